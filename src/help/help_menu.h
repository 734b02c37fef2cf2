// The actions of the help menu's items.
#pragma once

class MainWindow;

// 支持网站: GuideWindow opened or brought forward; MainWindow leaves the always-on-top layer so
// the guide can stand in front of it, and stays out of it until the next notice.
void ShowSiteGuide(MainWindow& window);
// 盘口说明: the server's handicap notes, one line per bar-separated piece, in a notice box.
void ShowHandicapNotes(MainWindow& window);
// 软件更新: the server's home page in the default browser.
void OpenUpdatePage();
