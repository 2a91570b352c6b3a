#include "client/catalogue/AdminPageCatalogue.h"

#ifndef NORVANE_SERVER_HOST
#error "NORVANE_SERVER_HOST must name the platform server's host"
#endif

namespace catalogue {

const std::string_view ServerHost = NORVANE_SERVER_HOST;

namespace {

std::string& siteBaseValue() {
    static std::string value;
    return value;
}

Entry page(std::string_view key, std::string_view caption, std::string_view path, bool visible = true) {
    return {key, caption, TargetKind::Page, path, FixedAddress::SignIn, visible};
}
Entry notice(std::string_view key, std::string_view caption, bool visible) {
    return {key, caption, TargetKind::Notice, {}, FixedAddress::SignIn, visible};
}
Entry separator(std::string_view key) {
    return {key, "-", TargetKind::Separator, {}, FixedAddress::SignIn, false};
}

const std::vector<Menu>& menus() {
    static const std::vector<Menu> table = {
        {"Base1", "基本配置[&B]", true,
         {
             page("mnuCompany", "公司资料", "shop.asp"),
             page("mnuWangZhang", "网站资料", "myweb.asp"),
             separator("line1"),
             page("mnuLiuLiang", "流量管理", "/www/opulix/office/counter_manage.php", false),
             page("mnuBeijing", "背景音乐", "/www/opulix/office/bgsound.php", false),
             page("mnuUserZiLiao", "用户资料", "/www/opulix/office/personalinfo.php", false),
             separator("mnuLine2"),
             page("mnuCheck", "网站调查", "/www/opulix/office/web_vote.php", false),
             page("mnuGuangGao", "浮动广告", "/www/opulix/office/floatpic_manage.php", false),
             page("mnuPopupwindow", "弹出窗口", "/www/opulix/office/popwin_manage.php", false),
             page("mnuLianJie", "链接管理", "/www/opulix/office/weblink_manage.php", false),
             separator("mnuline3"),
             page("mnuXingPage", "形象页", "/www/opulix/office/homepages.php", false),
             page("mnuLogol", "LOGOL图", "/www/opulix/office/LOGO.php", false),
             page("mnuBanner", "BANNER图", "/www/opulix/office/banner_manage.php", false),
         }},
        {"mnuModul", "模版管理[&M]", true,
         {
             page("mnuPiMao", "皮毛模板", "pimaoban.asp"),
             page("mnuZhiKu", "至酷个性", "moban.asp"),
             page("mnuGeXing", "个性创意", "moban1.asp"),
             page("mnuCanLan", "灿烂辉煌", "moban2.asp"),
             page("mnuGuangKuo", "广阔天地", "moban3.asp"),
             page("mnuZongHe", "综合通用", "moban4.asp"),
             page("mnuLanMan", "浪漫之旅", "moban5.asp"),
             page("mnuWenXin", "温馨桔黄", "moban6.asp"),
             page("mnuRenWu", "人物封面", "moban7.asp"),
             page("mnuLuse", "绿色环保", "moban8.asp"),
             page("mnuWuPin", "物品展示", "moban9.asp"),
             page("mnusiance", "科技风采", "moban10.asp"),
             page("mnuBlue", "蓝色世界", "moban11.asp"),
             page("mnuJianJie", "简洁直观", "moban12.asp"),
             page("mnuHuanXiang", "幻想未来", "moban13.asp"),
             page("mnuXiuXian", "休闲娱乐", "moban14.asp"),
             page("mnuXuni", "虚拟空间", "moban15.asp"),
             page("mnuQiTa", "其它模版", "moban16.asp"),
         }},
        {"mnuLanMu", "栏目管理[&L]", true, {page("mnuLanMuGuan", "栏目管理", "menusys/main.asp")}},
        {"mnuShangYe", "商业机会[&S]", true, {page("mnuGongQiu", "供求信息", "xinxi.asp")}},
        {"mnuXinWenGuanLi", "新闻管理[&X]", true, {page("mnuXWNR", "新闻管理", "news_default.asp")}},
        {"mnuProduct", "产品管理[&C]", true,
         {
             page("mnuProductType", "产品类别", "Classification.asp"),
             page("mnuChanPin", "产品管理", "product_check.asp"),
             page("mnuShangPin", "商品添加", "pic.asp"),
         }},
        {"mnuYeWuZX", "业务中心[&Y]", true,
         {
             page("mnuDingDan", "订单管理", "orderlist_check.asp"),
             page("mnuFaHuo", "发货查询", "orderlist_checkok.asp"),
             page("mnuChangNianXiaoShou", "常年销售", "qgxx.asp"),
             page("mnuChangNianQiuGou", "常年求购", "xqxx.asp"),
         }},
        {"mnuZaiXianServer", "在线服务[&Z]", true,
         {
             page("mnuXiangGuan", "相关服务", "admin/server.asp"),
             page("mnuChangJian", "常见问题", "admin/question.asp"),
         }},
        // The mail system is not built yet: hidden, and every item is a notice.
        {"mnuYJ", "邮件管理[&Y]", false,
         {
             notice("mnuSJ", "收件箱", false),
             notice("mnuFJ", "发件箱", false),
             notice("mnuFYJ", "发邮件", false),
             notice("mnuDZ", "地址本", false),
         }},
    };
    return table;
}

const std::vector<Entry>& toolbarOnlyEntries() {
    static const std::vector<Entry> table = {
        {"SitePreview", "网站预览", TargetKind::FixedAddress, {}, FixedAddress::Preview, true},
        {"Relogin", "重新登陆", TargetKind::FixedAddress, {}, FixedAddress::Relogin, true},
        {"ExitClient", "退出系统", TargetKind::Close, {}, FixedAddress::SignIn, true},
    };
    return table;
}

struct Group {
    std::string_view caption;
    std::vector<GroupItem> items;
};

const std::vector<Group>& groups() {
    static const std::vector<Group> table = {
        {"网站基本配置", {{"公司资料", 1, "mnuCompany"}, {"网站资料", 2, "mnuWangZhang"}}},
        {"网站模版管理",
         {
             {"皮毛模板", 1, "mnuPiMao"},
             // The list has its own spelling of the second template ("致", not "至").
             {"致酷个性", 2, "mnuZhiKu"},
             {"个性创意", 3, "mnuGeXing"},
             {"灿烂辉煌", 4, "mnuCanLan"},
             {"广阔天地", 5, "mnuGuangKuo"},
             {"综合通用", 6, "mnuZongHe"},
             {"浪漫之旅", 7, "mnuLanMan"},
             {"温馨桔黄", 8, "mnuWenXin"},
             {"人物封面", 9, "mnuRenWu"},
             {"绿色环保", 10, "mnuLuse"},
             {"物品展示", 11, "mnuWuPin"},
             {"科技风采", 12, "mnusiance"},
             {"蓝色世界", 13, "mnuBlue"},
             {"简洁直观", 14, "mnuJianJie"},
             {"幻想未来", 15, "mnuHuanXiang"},
             {"休闲娱乐", 16, "mnuXiuXian"},
             {"虚拟空间", 17, "mnuXuni"},
             {"其它模版", 18, "mnuQiTa"},
         }},
        {"网站栏目管理", {{"栏目管理", 1, "mnuLanMuGuan"}}},
        {"商业机会管理", {{"供求信息", 1, "mnuGongQiu"}}},
        {"网站新闻管理", {{"新闻管理", 1, "mnuXWNR"}}},
        {"网站产品管理", {{"产品类别", 1, "mnuProductType"}, {"产品管理", 2, "mnuChanPin"}, {"商品添加", 3, "mnuShangPin"}}},
        {"业务中心管理",
         {
             {"订单管理", 1, "mnuDingDan"},
             {"发货查询", 2, "mnuFaHuo"},
             {"常年销售", 3, "mnuChangNianXiaoShou"},
             {"常年求购", 4, "mnuChangNianQiuGou"},
         }},
        {"在线服务管理", {{"相关服务", 1, "mnuXiangGuan"}, {"常见问题", 2, "mnuChangJian"}}},
        {"站内邮件系统", {}},
    };
    return table;
}

const std::vector<ToolbarButton>& toolbarButtons() {
    struct Captioned {
        std::string_view caption, key;
    };
    // The captioned buttons 2, 4, ..., 24 in order. Button 6 opens the
    // long-term sales page; it is captioned after that page, because the
    // order page already has its own button (16).
    static const Captioned captioned[] = {
        {"网站预览", "SitePreview"}, {"模版管理", "mnuPiMao"},     {"常年销售", "mnuChangNianXiaoShou"},
        {"栏目管理", "mnuLanMuGuan"}, {"供求信息", "mnuGongQiu"},   {"新闻管理", "mnuXWNR"},
        {"产品管理", "mnuChanPin"},   {"订单管理", "mnuDingDan"},   {"发货查询", "mnuFaHuo"},
        {"相关服务", "mnuXiangGuan"}, {"重新登陆", "Relogin"},      {"退出系统", "ExitClient"},
    };
    static const std::vector<ToolbarButton> table = [] {
        std::vector<ToolbarButton> buttons;
        for (int index = 1; index <= kToolbarButtonCount; ++index) {
            if (index % 2 == 1) {
                buttons.push_back({index, true, {}, {}, 0});
            } else {
                const Captioned& c = captioned[index / 2 - 1];
                buttons.push_back({index, false, c.caption, c.key, index / 2});
            }
        }
        return buttons;
    }();
    return table;
}

}  // namespace

bool SiteBase::set(std::string_view serverHost) {
    std::string& value = siteBaseValue();
    if (!value.empty()) return false;
    value.assign(serverHost);
    value += kSuffix;
    return true;
}

const std::string& SiteBase::get() { return siteBaseValue(); }

AdminPageCatalogue::AdminPageCatalogue(std::string serverHost, std::string siteBase)
    : serverHost_(std::move(serverHost)), siteBase_(std::move(siteBase)) {}

AdminPageCatalogue AdminPageCatalogue::current() { return {std::string(ServerHost), SiteBase::get()}; }

// Plain concatenation throughout: no slash is added or merged, so the office
// pages (paths starting with "/") keep their double slash after "myshop/".
std::string AdminPageCatalogue::pageAddress(std::string_view path) const {
    return "http://" + siteBase_ + std::string(path);
}

std::string AdminPageCatalogue::signInAddress() const { return siteBase_ + "admin/login.asp?typ=y"; }

std::string AdminPageCatalogue::reloginAddress() const { return siteBase_ + "login.asp?typ=y"; }

std::string AdminPageCatalogue::previewAddress() const {
    return "http://" + serverHost_ + "/pelzora/shop/vb_default.asp";
}

std::optional<Action> AdminPageCatalogue::actionFor(std::string_view key) const {
    const Entry* e = entry(key);
    if (!e) return std::nullopt;
    switch (e->kind) {
    case TargetKind::Page:
        return Action{e->kind, pageAddress(e->path)};
    case TargetKind::FixedAddress:
        switch (e->fixed) {
        case FixedAddress::SignIn:
            return Action{e->kind, signInAddress()};
        case FixedAddress::Relogin:
            return Action{e->kind, reloginAddress()};
        case FixedAddress::Preview:
            return Action{e->kind, previewAddress()};
        }
        break;
    case TargetKind::Notice:
    case TargetKind::Close:
    case TargetKind::Separator:
        return Action{e->kind, {}};
    }
    return std::nullopt;
}

const std::vector<Menu>& AdminPageCatalogue::menuBar() { return menus(); }

const Entry* AdminPageCatalogue::entry(std::string_view key) {
    for (const Menu& menu : menus())
        for (const Entry& item : menu.items)
            if (item.key == key) return &item;
    for (const Entry& item : toolbarOnlyEntries())
        if (item.key == key) return &item;
    return nullptr;
}

std::string_view AdminPageCatalogue::groupCaption(int group) {
    if (group < 0 || group >= kGroupCount) return {};
    return groups()[static_cast<size_t>(group)].caption;
}

const std::vector<GroupItem>& AdminPageCatalogue::groupItems(int group) {
    static const std::vector<GroupItem> none;
    if (group < 0 || group >= kGroupCount) return none;
    return groups()[static_cast<size_t>(group)].items;
}

std::optional<std::string_view> AdminPageCatalogue::resolveGroupItem(int group, std::string_view itemText) {
    // The column group has one function: whatever was clicked opens it.
    if (group == 2) return std::string_view("mnuLanMuGuan");
    if (group < 0 || group >= kGroupCount - 1) return std::nullopt;
    for (const GroupItem& item : groups()[static_cast<size_t>(group)].items)
        if (item.text == itemText) return item.key;
    return std::nullopt;
}

const std::vector<ToolbarButton>& AdminPageCatalogue::toolbar() { return toolbarButtons(); }

std::optional<std::string_view> AdminPageCatalogue::resolveToolbarButton(int index) {
    if (index < 1 || index > kToolbarButtonCount || index % 2 == 1) return std::nullopt;
    return toolbarButtons()[static_cast<size_t>(index - 1)].key;
}

}  // namespace catalogue
