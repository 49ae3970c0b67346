#include "platform/sim/SimMenuResources.h"

namespace tx80 {

namespace {

SimMenuTemplate Command(std::u16string text, int32_t id) { return {std::move(text), id, {}}; }
SimMenuTemplate Popup(std::u16string text, std::vector<SimMenuTemplate> items) {
  return {std::move(text), -1, std::move(items)};
}

// A button's pair of commands, down then up.
SimMenuTemplate Button(std::u16string text, std::u16string down, int32_t downId, std::u16string up, int32_t upId) {
  return Popup(std::move(text), {Command(std::move(down), downId), Command(std::move(up), upId)});
}

}  // namespace

std::map<int, std::vector<SimMenuTemplate>> ProgramMenuResources() {
  return {
      {154,
       {Popup(u"Event",
              {Popup(u"Add Forward", {Button(u"Left Button", u"Down ", 32802, u"Up", 32803),
                                      Button(u"Right Button", u"Down", 32804, u"Up", 32805),
                                      Button(u"Mid Button", u"Down", 32806, u"Up", 32807)}),
               Popup(u"Add Backward", {Button(u"Left Button", u"Down ", 32809, u"Up", 32810),
                                       Button(u"Right Button", u"Down", 32811, u"Up", 32812),
                                       Button(u"Mid Button", u"Down", 32813, u"Up", 32814)}),
               Command(u"Modify Delay", 32780), Command(u"Delete", 32781)})}},
      {161,
       {Popup(u"Event",
              {Popup(u"项前插入    ", {Button(u"左键    ", u"向下    ", 32817, u"向上", 32818),
                                      Button(u"右键", u"向下    ", 32820, u"向上", 32821),
                                      Button(u"中键", u"向下    ", 32823, u"向上", 32824)}),
               Popup(u"项后插入", {Button(u"左键   ", u"向下  ", 32829, u"向上", 32830),
                                   Button(u"右键   ", u"向下   ", 32831, u"向上", 32832),
                                   Button(u"中键   ", u"向下   ", 32833, u"向上", 32834)}),
               Command(u"修改延迟", 32835), Command(u"删除", 32836)})}},
      {157,
       {Popup(u"Tray", {Command(u"Show Window", 32801), Command(u"Exit Driver", 32800),
                        Command(u"Start with Windows", 32840), Command(u"On-screen display", 32841),
                        Command(u"Game profiles…", 32842), Command(u"Back up settings…", 32843),
                        Command(u"Restore settings…", 32844)})}},
      {162,
       {Popup(u"Tray", {Command(u"显示窗口   ", 32837), Command(u"关闭驱动", 32838), Command(u"开机启动", 32840),
                        Command(u"屏幕提示", 32841), Command(u"游戏配置…", 32842), Command(u"备份设置…", 32843),
                        Command(u"恢复设置…", 32844)})}},
  };
}

}  // namespace tx80
