#include "help/guide_window_layout.h"

namespace guide_window {
namespace {

using win::ControlKind;
using win::ControlSpec;
using win::Look;
namespace flag = win::flag;

constexpr Look Plain{};
constexpr Look Description{.textColor = RGB(0, 0, 0), .flags = flag::Wrap};
constexpr Look Link{.textColor = RGB(0, 0, 255), .fontHeight = 12, .fontWeight = FW_NORMAL,
                    .flags = flag::ReportsPress | flag::Underline};

constexpr auto L = ControlKind::Label;
constexpr auto G = ControlKind::GroupBox;

constexpr ControlSpec Table[] = {
    {G, Group1, NoControl, "分组框1", 16, 16, 528, 144, "BET365介绍", Plain},
    {L, Label1, Group1, "标签1", 8, 22, 512, 112,
     "资金安全 ★★★★★\r\n\r\nBET365是英国老牌公司,比赛全，盘口全，全球最大足球公司，至今没有听说过资金出现问题。"
     "\r\n\r\n优点：盘口多，比赛全，资金安全，利润机会多。\r\n\r\n缺点：出款时间48小时，新号容易被封账号。"
     "封号也出款.老账号没问题。\r\n\r\n注意：不可以满额投注，如最高4132，投入4000即可。",
     Description},
    {L, Label3, Group1, "标签3", 370, 117, 142, 16, "https://www.bet365.com", Link},

    {G, Group2, NoControl, "分组框2", 16, 184, 528, 144, "大发介绍", Plain},
    {L, Label2, Group2, "标签2", 8, 22, 512, 112,
     "资金安全 ★★★★★\r\n\r\n号称亚洲第一，也没听说过资金出现问题，不封号，最多限额。限额一直打也可以恢复。"
     "\r\n\r\n优点：盘口多，比赛全，资金安全\r\n\r\n缺点：偶尔会限额。但是可以客服投诉解冻。"
     "\r\n\r\n注意：不可以满额投注，如最高4132，投入4000即可。",
     Description},
    {L, Label4, NoControl, "标签4", 384, 296, 142, 16, "https://www.dafabet.com", Link},

    {G, Group3, NoControl, "分组框3", 15, 353, 528, 87, "188平台介绍", Plain},
    {L, Label6, Group3, "标签6", 8, 22, 512, 49,
     "资金安全 ★★★★★\r\n\r\n188平台分很多，资金安全的有金宝博，万博等，其他慎用。", Description},
    {L, Label5, NoControl, "标签5", 322, 376, 218, 16, "金宝博：https://www.188bet.com", Link},
    {L, Label7, NoControl, "标签7", 365, 403, 171, 16, "万博：http://www.manbetx.com", Link},

    {G, Group4, NoControl, "分组框4", 14, 460, 528, 87, "NEWBB平台介绍", Plain},
    {L, Label10, Group4, "标签10", 8, 22, 512, 49,
     "资金安全 ★★★★\r\n\r\nNEWBB平台一般直营网都还可以，网站多，有奔驰，赌王，E世博等，需要自行分辨",
     Description},
    {L, Label9, NoControl, "标签9", 326, 523, 207, 16, "NEWBB平台例：http://www.nb88.com", Link},

    {G, Group5, NoControl, "分组框5", 15, 560, 528, 87, "SBOBET平台介绍", Plain},
    {L, Label12, Group5, "标签12", 8, 22, 512, 49, "资金安全 ★★★★★\r\n\r\n老牌信用和现金网，资金安全",
     Description},
    {L, Label8, NoControl, "标签8", 389, 618, 139, 16, "https://www.sbobet.com", Link},
};

struct LinkEntry {
    int id;
    const char* address;
};

constexpr LinkEntry Links[] = {
    {Label3, "https://www.bet365.com"},
    // A referral redirect that lands on the site shown on the label.
    {Label4, "https://www.dafabet.com/go/?ref=corvanta"},
    {Label5, "https://www.188bet.com/zh-cn/"},
    {Label7, "http://www.manbetx.com/sports/"},
    {Label9, "http://www.nb88.com:8080/sports/"},
    {Label8, "https://www.sbobet.com/zh-cn/betting.aspx"},
};

}  // namespace

std::span<const win::ControlSpec> Controls() { return Table; }

const char* LinkAddress(int id) {
    for (const LinkEntry& link : Links)
        if (link.id == id) return link.address;
    return nullptr;
}

}  // namespace guide_window
