// Resource ids of publisher.rc.
#pragma once

#define IDI_PUBLISHER 1
#define IDB_TOOLBAR 101
// IDB_GROUP0 + g: the icons of navigation group g (0 to 7; group 8 has none).
#define IDB_GROUP0 110
