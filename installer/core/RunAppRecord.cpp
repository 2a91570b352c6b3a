#include "installer/core/RunAppRecord.h"

#include <cstdlib>
#include <optional>

namespace setup {
namespace {

// Yields the fields of a comma-separated text one by one.
class FieldReader {
public:
    explicit FieldReader(std::string_view text) : rest_(text) {}
    std::optional<std::string> next() {
        if (done_) return std::nullopt;
        const auto comma = rest_.find(',');
        std::string field(rest_.substr(0, comma));
        if (comma == std::string_view::npos)
            done_ = true;
        else
            rest_.remove_prefix(comma + 1);
        return field;
    }

private:
    std::string_view rest_;
    bool done_ = false;
};

int numberOf(const std::string& field) { return std::atoi(field.c_str()); }

}  // namespace

RunAppRecord RunAppRecord::parse(std::string_view text) {
    RunAppRecord record;
    FieldReader fields(text);
    auto f = fields.next();
    record.path = std::move(*f);
    if (!(f = fields.next())) return record;
    record.parameters = std::move(*f);
    if (!(f = fields.next())) return record;
    record.workingFolder = std::move(*f);
    if (!(f = fields.next())) return record;
    record.showCommand = numberOf(*f);
    if (!(f = fields.next())) return record;
    record.reserved = numberOf(*f);
    if (!(f = fields.next())) return record;
    record.flags = numberOf(*f);
    if (!(f = fields.next())) return record;
    record.note = std::move(*f);
    return record;
}

}  // namespace setup
