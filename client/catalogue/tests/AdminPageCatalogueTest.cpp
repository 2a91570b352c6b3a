#include "client/catalogue/AdminPageCatalogue.h"

#include <gtest/gtest.h>

#include <set>
#include <sstream>

using namespace catalogue;

namespace {

const AdminPageCatalogue kAt("H", "H/pelzora/myshop/");

std::string kindName(TargetKind k) {
    switch (k) {
    case TargetKind::Page: return "page";
    case TargetKind::FixedAddress: return "fixed";
    case TargetKind::Notice: return "notice";
    case TargetKind::Close: return "close";
    case TargetKind::Separator: return "separator";
    }
    return "?";
}

TEST(AdminPageCatalogue, ComposesAddressesByPlainConcatenation) {
    EXPECT_EQ(kAt.pageAddress("shop.asp"), "http://H/pelzora/myshop/shop.asp");
    // Office pages keep the double slash after the myshop segment.
    EXPECT_EQ(kAt.pageAddress("/www/opulix/office/LOGO.php"), "http://H/pelzora/myshop//www/opulix/office/LOGO.php");
    EXPECT_EQ(kAt.signInAddress(), "H/pelzora/myshop/admin/login.asp?typ=y");
    // Re-login has neither a scheme nor the admin/ segment.
    EXPECT_EQ(kAt.reloginAddress(), "H/pelzora/myshop/login.asp?typ=y");
    EXPECT_EQ(kAt.previewAddress(), "http://H/pelzora/shop/vb_default.asp");
}

TEST(AdminPageCatalogue, PreviewIsBuiltFromTheServerHostNotTheSiteBase) {
    AdminPageCatalogue other("10.0.0.1:81", "elsewhere/");
    EXPECT_EQ(other.previewAddress(), "http://10.0.0.1:81/pelzora/shop/vb_default.asp");
    EXPECT_EQ(other.pageAddress("x.asp"), "http://elsewhere/x.asp");
}

TEST(AdminPageCatalogue, SiteBaseIsSetOnceFromTheServerHost) {
    ASSERT_TRUE(SiteBase::set(ServerHost));
    EXPECT_EQ(SiteBase::get(), std::string(ServerHost) + "/pelzora/myshop/");
    EXPECT_FALSE(SiteBase::set("other"));
    EXPECT_EQ(SiteBase::get(), std::string(ServerHost) + "/pelzora/myshop/");
    EXPECT_EQ(AdminPageCatalogue::current().signInAddress(), SiteBase::get() + "admin/login.asp?typ=y");
    EXPECT_EQ(ServerHost.find('/'), std::string_view::npos);
    EXPECT_EQ(ServerHost.find("://"), std::string_view::npos);
}

// The whole menu bar, one line per menu or item: visibility, key, caption,
// kind and path. A mistyped caption or path anywhere shows up here.
TEST(AdminPageCatalogue, MenuBarHoldsEveryMenuAndItemInOrder) {
    std::ostringstream got;
    for (const Menu& m : AdminPageCatalogue::menuBar()) {
        got << (m.visible ? "+" : "-") << m.key << " " << m.caption << "\n";
        for (const Entry& e : m.items)
            got << "  " << (e.visible ? "+" : "-") << e.key << " " << e.caption << " " << kindName(e.kind)
                << (e.path.empty() ? "" : " ") << e.path << "\n";
    }
    const char* expected =
        "+Base1 基本配置[&B]\n"
        "  +mnuCompany 公司资料 page shop.asp\n"
        "  +mnuWangZhang 网站资料 page myweb.asp\n"
        "  -line1 - separator\n"
        "  -mnuLiuLiang 流量管理 page /www/opulix/office/counter_manage.php\n"
        "  -mnuBeijing 背景音乐 page /www/opulix/office/bgsound.php\n"
        "  -mnuUserZiLiao 用户资料 page /www/opulix/office/personalinfo.php\n"
        "  -mnuLine2 - separator\n"
        "  -mnuCheck 网站调查 page /www/opulix/office/web_vote.php\n"
        "  -mnuGuangGao 浮动广告 page /www/opulix/office/floatpic_manage.php\n"
        "  -mnuPopupwindow 弹出窗口 page /www/opulix/office/popwin_manage.php\n"
        "  -mnuLianJie 链接管理 page /www/opulix/office/weblink_manage.php\n"
        "  -mnuline3 - separator\n"
        "  -mnuXingPage 形象页 page /www/opulix/office/homepages.php\n"
        "  -mnuLogol LOGOL图 page /www/opulix/office/LOGO.php\n"
        "  -mnuBanner BANNER图 page /www/opulix/office/banner_manage.php\n"
        "+mnuModul 模版管理[&M]\n"
        "  +mnuPiMao 皮毛模板 page pimaoban.asp\n"
        "  +mnuZhiKu 至酷个性 page moban.asp\n"
        "  +mnuGeXing 个性创意 page moban1.asp\n"
        "  +mnuCanLan 灿烂辉煌 page moban2.asp\n"
        "  +mnuGuangKuo 广阔天地 page moban3.asp\n"
        "  +mnuZongHe 综合通用 page moban4.asp\n"
        "  +mnuLanMan 浪漫之旅 page moban5.asp\n"
        "  +mnuWenXin 温馨桔黄 page moban6.asp\n"
        "  +mnuRenWu 人物封面 page moban7.asp\n"
        "  +mnuLuse 绿色环保 page moban8.asp\n"
        "  +mnuWuPin 物品展示 page moban9.asp\n"
        "  +mnusiance 科技风采 page moban10.asp\n"
        "  +mnuBlue 蓝色世界 page moban11.asp\n"
        "  +mnuJianJie 简洁直观 page moban12.asp\n"
        "  +mnuHuanXiang 幻想未来 page moban13.asp\n"
        "  +mnuXiuXian 休闲娱乐 page moban14.asp\n"
        "  +mnuXuni 虚拟空间 page moban15.asp\n"
        "  +mnuQiTa 其它模版 page moban16.asp\n"
        "+mnuLanMu 栏目管理[&L]\n"
        "  +mnuLanMuGuan 栏目管理 page menusys/main.asp\n"
        "+mnuShangYe 商业机会[&S]\n"
        "  +mnuGongQiu 供求信息 page xinxi.asp\n"
        "+mnuXinWenGuanLi 新闻管理[&X]\n"
        "  +mnuXWNR 新闻管理 page news_default.asp\n"
        "+mnuProduct 产品管理[&C]\n"
        "  +mnuProductType 产品类别 page Classification.asp\n"
        "  +mnuChanPin 产品管理 page product_check.asp\n"
        "  +mnuShangPin 商品添加 page pic.asp\n"
        "+mnuYeWuZX 业务中心[&Y]\n"
        "  +mnuDingDan 订单管理 page orderlist_check.asp\n"
        "  +mnuFaHuo 发货查询 page orderlist_checkok.asp\n"
        "  +mnuChangNianXiaoShou 常年销售 page qgxx.asp\n"
        "  +mnuChangNianQiuGou 常年求购 page xqxx.asp\n"
        "+mnuZaiXianServer 在线服务[&Z]\n"
        "  +mnuXiangGuan 相关服务 page admin/server.asp\n"
        "  +mnuChangJian 常见问题 page admin/question.asp\n"
        "-mnuYJ 邮件管理[&Y]\n"
        "  -mnuSJ 收件箱 notice\n"
        "  -mnuFJ 发件箱 notice\n"
        "  -mnuFYJ 发邮件 notice\n"
        "  -mnuDZ 地址本 notice\n";
    EXPECT_EQ(got.str(), expected);
}

TEST(AdminPageCatalogue, GroupsHoldTheirListsWithIconNumbers) {
    const char* captions[kGroupCount] = {"网站基本配置", "网站模版管理", "网站栏目管理", "商业机会管理", "网站新闻管理",
                                         "网站产品管理", "业务中心管理", "在线服务管理", "站内邮件系统"};
    const size_t sizes[kGroupCount] = {2, 18, 1, 1, 1, 3, 4, 2, 0};
    for (int g = 0; g < kGroupCount; ++g) {
        SCOPED_TRACE(g);
        EXPECT_EQ(AdminPageCatalogue::groupCaption(g), captions[g]);
        const auto& items = AdminPageCatalogue::groupItems(g);
        ASSERT_EQ(items.size(), sizes[g]);
        for (size_t i = 0; i < items.size(); ++i) EXPECT_EQ(items[i].icon, static_cast<int>(i) + 1);
    }
    EXPECT_TRUE(AdminPageCatalogue::groupItems(9).empty());
    EXPECT_TRUE(AdminPageCatalogue::groupCaption(-1).empty());
    EXPECT_EQ(AdminPageCatalogue::groupItems(1)[1].text, "致酷个性");
    EXPECT_EQ(AdminPageCatalogue::entry("mnuZhiKu")->caption, "至酷个性");
}

TEST(AdminPageCatalogue, ResolvesGroupItemsByExactText) {
    struct Case {
        int group;
        std::string_view text;
        std::optional<std::string_view> key;
    } cases[] = {
        {0, "公司资料", "mnuCompany"},
        {1, "致酷个性", "mnuZhiKu"},
        {1, "至酷个性", std::nullopt},  // the menu's spelling is not the list's
        {1, "其它模版", "mnuQiTa"},
        {2, "栏目管理", "mnuLanMuGuan"},
        {2, "anything at all", "mnuLanMuGuan"},
        {2, "", "mnuLanMuGuan"},
        {5, "产品管理 ", std::nullopt},  // no trimming
        {6, "常年求购", "mnuChangNianQiuGou"},
        {7, "常见问题", "mnuChangJian"},
        {7, "公司资料", std::nullopt},  // another group's text
        {8, "公司资料", std::nullopt},
        {9, "公司资料", std::nullopt},
        {-1, "公司资料", std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.text));
        EXPECT_EQ(AdminPageCatalogue::resolveGroupItem(c.group, c.text), c.key);
    }
}

TEST(AdminPageCatalogue, ToolbarHasTwentyFiveButtonsWithSeparatorsAtOddIndexes) {
    const auto& buttons = AdminPageCatalogue::toolbar();
    ASSERT_EQ(buttons.size(), 25u);
    std::ostringstream got;
    for (const ToolbarButton& b : buttons) {
        EXPECT_EQ(b.separator, b.index % 2 == 1);
        EXPECT_EQ(AdminPageCatalogue::resolveToolbarButton(b.index).has_value(), !b.separator);
        if (!b.separator) got << b.index << ":" << b.image << ":" << b.caption << ":" << b.key << "\n";
    }
    EXPECT_EQ(got.str(),
              "2:1:网站预览:SitePreview\n4:2:模版管理:mnuPiMao\n6:3:常年销售:mnuChangNianXiaoShou\n"
              "8:4:栏目管理:mnuLanMuGuan\n10:5:供求信息:mnuGongQiu\n12:6:新闻管理:mnuXWNR\n"
              "14:7:产品管理:mnuChanPin\n16:8:订单管理:mnuDingDan\n18:9:发货查询:mnuFaHuo\n"
              "20:10:相关服务:mnuXiangGuan\n22:11:重新登陆:Relogin\n24:12:退出系统:ExitClient\n");
    for (int index : {0, 1, 3, 25, 26, -2}) EXPECT_FALSE(AdminPageCatalogue::resolveToolbarButton(index)) << index;
}

TEST(AdminPageCatalogue, MenuListAndToolbarOfOneEntryOpenTheSameAddress) {
    std::set<std::string_view> menuKeys;
    for (const Menu& m : AdminPageCatalogue::menuBar())
        for (const Entry& e : m.items) menuKeys.insert(e.key);

    int compared = 0;
    auto sameAsMenu = [&](std::string_view key) {
        ASSERT_TRUE(menuKeys.count(key)) << key;
        auto viaKey = kAt.actionFor(key);
        ASSERT_TRUE(viaKey);
        EXPECT_EQ(viaKey->kind, TargetKind::Page);
        EXPECT_EQ(viaKey->address, kAt.pageAddress(AdminPageCatalogue::entry(key)->path));
        ++compared;
    };
    for (int g = 0; g < kGroupCount; ++g)
        for (const GroupItem& item : AdminPageCatalogue::groupItems(g)) {
            auto key = AdminPageCatalogue::resolveGroupItem(g, item.text);
            ASSERT_TRUE(key) << item.text;
            EXPECT_EQ(*key, item.key);
            sameAsMenu(*key);
        }
    for (const ToolbarButton& b : AdminPageCatalogue::toolbar())
        if (!b.separator && menuKeys.count(b.key)) sameAsMenu(b.key);
    EXPECT_EQ(compared, 32 + 9);  // every list item and the nine page buttons

    EXPECT_EQ(kAt.actionFor("mnuPiMao")->address, "http://H/pelzora/myshop/pimaoban.asp");
}

TEST(AdminPageCatalogue, ActionsOfTheClientOnlyEntries) {
    struct Case {
        std::string_view key;
        TargetKind kind;
        std::string address;
    } cases[] = {
        {"SitePreview", TargetKind::FixedAddress, "http://H/pelzora/shop/vb_default.asp"},
        {"Relogin", TargetKind::FixedAddress, "H/pelzora/myshop/login.asp?typ=y"},
        {"ExitClient", TargetKind::Close, ""},
        {"mnuSJ", TargetKind::Notice, ""},
        {"mnuFJ", TargetKind::Notice, ""},
        {"mnuFYJ", TargetKind::Notice, ""},
        {"mnuDZ", TargetKind::Notice, ""},
        {"line1", TargetKind::Separator, ""},
        {"mnuLogol", TargetKind::Page, "http://H/pelzora/myshop//www/opulix/office/LOGO.php"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.key));
        auto action = kAt.actionFor(c.key);
        ASSERT_TRUE(action);
        EXPECT_EQ(action->kind, c.kind);
        EXPECT_EQ(action->address, c.address);
    }
    EXPECT_FALSE(kAt.actionFor("mnuNoSuchThing"));
    EXPECT_FALSE(kAt.actionFor("mnuYJ"));  // a top-level caption has no function
}

}  // namespace
