"""The one description of the shipped skin: every element of every page, with
its rectangle, how it looks and its texts in both languages.

generate_skin.py draws the pictures and writes the layout files from this, so
the rectangles in the INI files and the pictures always agree. The element
numbers are the program's: it knows an element only by its number.

An element is (name, x, y, width, height, kind, English text, Chinese text).
The kind says how the pictures draw it; "text" elements are not drawn at all
(the program writes their text on the page).
"""

from dataclasses import dataclass, field

WIDTH, HEIGHT = 900, 540          # every page picture and main_mask.jpg
WARNING_WIDTH, WARNING_HEIGHT = 380, 180

# Cut corners of the main window (top-left, top-right, bottom-right, bottom-left).
MAIN_CHAMFERS = (36, 14, 36, 14)
WARNING_CHAMFERS = (18, 6, 18, 6)

MENU_WIDTH, MENU_ROW, MENU_ROWS = 160, 26, 10
SUBMENU_WIDTH, SUBMENU_ROW, SUBMENU_ROWS = 180, 26, 12

# LED colour of each DPI level (index 0..3) and of the dark preview.
LED_BLUE = (40, 128, 255)
LED_PINK = (255, 96, 196)
LED_RED = (255, 44, 44)
LED_PURPLE = (164, 76, 255)
LED_GRAY = (64, 67, 74)
LEVEL_COLOURS = (LED_BLUE, LED_PINK, LED_RED, LED_PURPLE)

# Step codes in the order the DPI scale shows them, low to high: code 1 is
# 1200 dpi, ... code 0 is 3200 dpi.
STEP_ORDER = (1, 2, 3, 4, 0)
STEP_DPI = {0: 3200, 1: 1200, 2: 1600, 3: 2000, 4: 2400}


@dataclass
class Element:
    name: str
    x: int
    y: int
    w: int
    h: int
    kind: str
    en: str = ""
    cn: str = ""
    extra: dict = field(default_factory=dict)

    @property
    def box(self):
        return (self.x, self.y, self.x + self.w, self.y + self.h)


def E(name, x, y, w, h, kind, en="", cn="", **extra):
    return Element(name, x, y, w, h, kind, en, cn, extra)


# ---------------------------------------------------------------------------
# Main page. Elements 0..19 are shared: the advanced and color pages draw them
# at the same places.

MAIN = {
    0: E("title", 76, 18, 170, 22, "text", "TX80 KARVO GAMING MOUSE", "TX80 KARVO 宏编程电竞鼠标"),
    1: E("status", 170, 496, 480, 26, "field"),
    2: E("close", 846, 19, 24, 24, "close"),
    3: E("apply", 720, 490, 130, 36, "primary", "APPLY", "应用"),
    9: E("tab_main", 330, 14, 112, 32, "tab", "BUTTONS", "按键设置"),
    10: E("tab_advanced", 448, 14, 112, 32, "tab", "ADVANCED", "高级设置"),
    11: E("tab_color", 566, 14, 112, 32, "tab", "LIGHTING", "灯光设置"),
    12: E("minimise", 816, 19, 24, 24, "minimise"),
    13: E("tray", 786, 19, 24, 24, "tray"),
    14: E("import", 22, 318, 120, 30, "button", "Import", "导入配置"),
    15: E("export", 22, 356, 120, 30, "button", "Export", "导出配置"),
    16: E("reset", 22, 394, 120, 30, "button", "Reset", "恢复默认"),
    17: E("chinese", 700, 20, 34, 22, "lang", "CN", "中"),
    18: E("english", 738, 20, 34, 22, "lang", "EN", "EN"),
    19: E("website", 22, 496, 120, 26, "link", "Website", "官方网站"),
    20: E("buttons_heading", 172, 72, 246, 22, "heading", "BUTTON ASSIGNMENT", "按键功能分配"),
    21: E("dpi_heading", 624, 72, 252, 22, "heading", "DPI LEVELS", "DPI 档位"),
    22: E("wheel_heading", 624, 312, 252, 22, "heading", "WHEEL MODE", "滚轮模式"),
    23: E("buttons_hint", 172, 446, 246, 20, "text", "Click a button to choose", "点击按键选择功能"),
    24: E("mouse_heading", 446, 72, 150, 22, "heading", "MOUSE", "鼠标"),
    39: E("key_column", 172, 98, 30, 18, "text", "KEY", "键"),
    40: E("function_column", 208, 98, 210, 18, "text", "FUNCTION", "功能"),
    41: E("wheel_standard", 660, 342, 210, 30, "option", "Standard", "标准"),
    42: E("wheel_reversed", 660, 382, 210, 30, "option", "Reversed", "反向"),
    43: E("on_column", 628, 98, 34, 18, "text", "ON", "启用"),
    44: E("level_column", 662, 98, 46, 18, "text", "LEVEL", "档位"),
    45: E("use_column", 708, 98, 32, 18, "text", "USE", "当前"),
    58: E("dpi_scale_header", 742, 98, 130, 18, "scale_header"),
    59: E("logo_badge", 501, 372, 40, 40, "logo_badge"),
    88: E("wheel_standard_icon", 630, 342, 26, 30, "wheel_icon", direction="down"),
    89: E("wheel_reversed_icon", 630, 382, 26, 30, "wheel_icon", direction="up"),
}

for i in range(5):  # profiles 1..5
    MAIN[4 + i] = E(f"profile{i + 1}", 22, 78 + 44 * i, 120, 34, "profile", f"Profile {i + 1}", f"配置 {i + 1}")

for i in range(7):  # button slots 1..7: number badge and the function (its name is drawn by the program)
    y = 124 + 46 * i
    MAIN[32 + i] = E(f"key{i + 1}", 172, y, 30, 34, "badge", str(i + 1), str(i + 1))
    MAIN[25 + i] = E(f"button{i + 1}", 208, y, 210, 34, "dropdown")

for j in range(4):  # DPI levels 1..4
    y = 126 + 44 * j
    MAIN[84 + j] = E(f"level{j + 1}_colour", 624, y, 6, 28, "chip", colour=LEVEL_COLOURS[j])
    MAIN[46 + j] = E(f"level{j + 1}_on", 636, y + 3, 22, 22, "checkbox")
    MAIN[50 + j] = E(f"level{j + 1}_label", 662, y, 48, 28, "text", f"DPI {j + 1}", f"DPI {j + 1}")
    MAIN[54 + j] = E(f"level{j + 1}_use", 712, y + 2, 24, 24, "radio")
    MAIN[80 + j] = E(f"level{j + 1}_mark", 719, y + 9, 10, 10, "mark")
    for position, step in enumerate(STEP_ORDER):
        MAIN[60 + 5 * j + step] = E(f"level{j + 1}_{STEP_DPI[step]}", 742 + 26 * position, y, 26, 28, "step")

# The mouse picture: one highlight per button slot 1..7 (mouse buttons left,
# right, wheel, forward, back and the two behind the wheel).
MOUSE_BODY = (458, 110, 584, 440)
MAIN.update({
    90: E("mouse_left", 458, 112, 56, 96, "mouse_part", part="left"),
    91: E("mouse_right", 528, 112, 56, 96, "mouse_part", part="right"),
    92: E("mouse_wheel", 514, 124, 14, 42, "mouse_part", part="wheel"),
    93: E("mouse_forward", 446, 236, 12, 36, "mouse_part", part="side"),
    94: E("mouse_back", 446, 278, 12, 36, "mouse_part", part="side"),
    95: E("mouse_dpi_down", 514, 192, 14, 16, "mouse_part", part="dpi"),
    96: E("mouse_dpi_up", 514, 172, 14, 16, "mouse_part", part="dpi"),
})

# ---------------------------------------------------------------------------
# Advanced page (macros and system settings).

ADVANCED = {
    0: E("import", 172, 370, 102, 30, "button", "Import", "导入"),
    1: E("export", 280, 370, 102, 30, "button", "Export", "导出"),
    2: E("new", 172, 334, 102, 30, "button", "New", "新建"),
    3: E("delete", 280, 334, 102, 30, "button", "Delete", "删除"),
    4: E("record", 410, 382, 210, 34, "record", "Record", "录制"),
    5: E("save", 172, 408, 210, 32, "button", "Save", "保存"),
    6: E("repeat", 410, 424, 96, 28, "toggle", "Repeat", "循环"),
    7: E("macro_mode", 648, 330, 228, 30, "toggle", "Repeat while held", "按住时循环"),
    28: E("speed_label", 648, 100, 228, 20, "text", "Pointer speed", "指针速度"),
    29: E("lines_label", 648, 158, 228, 20, "text", "Scroll lines", "滚动行数"),
    30: E("fire_bar", 678, 246, 168, 16, "bar"),
    31: E("fire_up", 852, 242, 24, 24, "button", "+", "+"),
    32: E("fire_down", 648, 242, 24, 24, "button", "-", "-"),
    33: E("fire_value", 718, 270, 88, 22, "field", "50ms", "50ms"),
    34: E("macros_heading", 172, 72, 210, 22, "heading", "MACROS", "宏列表"),
    35: E("events_heading", 410, 72, 210, 22, "heading", "EVENTS", "宏事件"),
    36: E("system_heading", 648, 72, 228, 22, "heading", "SYSTEM", "系统设置"),
    37: E("name_label", 172, 300, 44, 24, "text", "Name", "名称"),
    38: E("down_count", 410, 332, 102, 22, "text", "[↓]0", "[↓]0"),
    39: E("up_count", 518, 332, 102, 22, "text", "[↑]0", "[↑]0"),
    40: E("fire_label", 648, 218, 228, 20, "text", "Fire interval", "连发间隔"),
    41: E("mode_heading", 648, 306, 228, 20, "text", "MACRO MODE", "宏触发模式"),
    42: E("times_label", 572, 426, 48, 24, "text", "times", "次"),
    43: E("mode_hint", 648, 366, 228, 20, "text", "Releasing the button stops", "松开按键即停止"),
    44: E("events_hint", 410, 356, 210, 20, "text", "Right-click to edit", "右键单击可编辑"),
    45: E("apply_hint", 648, 444, 228, 20, "text", "APPLY saves the settings", "点击应用保存设置"),
}
for i in range(10):
    ADVANCED[8 + i] = E(f"speed{i}", 648 + 23 * i, 122, 21, 26, "segment", str(i + 1), str(i + 1))
    ADVANCED[18 + i] = E(f"lines{i}", 648 + 23 * i, 180, 21, 26, "segment", str(i + 1), str(i + 1))

# The four child controls of the macro page (x, y, width, height).
CONTROLS = {
    ("EDIT", 3): ("repeat_count", 512, 426, 56, 24),
    ("EDIT", 4): ("macro_name", 220, 300, 162, 24),
    ("MACRODISPLAY", 1): ("macro_list", 172, 100, 210, 190),
    ("MACRODISPLAY", 2): ("event_list", 410, 100, 210, 226),
}

# ---------------------------------------------------------------------------
# Color page (LED).

COLOR = {
    0: E("cycle_slow", 180, 104, 224, 36, "mode", "Color cycle (slow)", "慢速循环", icon="slow"),
    1: E("cycle_fast", 180, 152, 224, 36, "mode", "Color cycle (fast)", "快速循环", icon="fast"),
    2: E("steady", 180, 200, 224, 36, "mode", "Steady", "常亮", icon="steady"),
    3: E("off", 180, 248, 224, 36, "mode", "Off", "关闭", icon="off"),
    4: E("resolution_panel", 700, 104, 174, 90, "display"),
    5: E("effect_heading", 172, 72, 240, 22, "heading", "LIGHTING EFFECT", "灯光效果"),
    6: E("preview_heading", 440, 72, 230, 22, "heading", "PREVIEW", "效果预览"),
    7: E("resolution_heading", 698, 72, 178, 22, "heading", "RESOLUTION", "当前分辨率"),
    8: E("legend_hint", 698, 210, 178, 20, "text", "Color of each level", "各档位灯光颜色"),
    9: E("resolution", 708, 122, 110, 40, "text", "1200", "1200"),
    10: E("resolution_unit", 818, 132, 48, 20, "text", "DPI", "DPI"),
    11: E("led_preview", 455, 104, 200, 350, "led"),
    12: E("apply_hint", 172, 300, 240, 20, "text", "APPLY sends it to the mouse", "点击应用后生效"),
}
LEGEND_Y = 238  # the level colour chips, two rows of two under the resolution

# ---------------------------------------------------------------------------
# Warning dialog.

WARNING = {
    0: E("ok", 60, 116, 120, 36, "wbutton", "OK", "确定"),
    1: E("cancel", 200, 116, 120, 36, "wbutton", "Cancel", "取消"),
    2: E("message", 16, 60, 348, 28, "text", "This is the only Left Click button. Change it?",
         "这是唯一的左键，确定要更改吗？"),
}

# ---------------------------------------------------------------------------
# Display names of the function codes 1..54 (FUN_STRING). 7..10 name the four
# groups of the assignment list; codes the program never offers show "-".

FUNCTION_NAMES = {
    1: ("Left Click", "左键"),
    2: ("Right Click", "右键"),
    3: ("Middle Click", "中键"),
    4: ("Backward", "后退"),
    5: ("Forward", "前进"),
    6: ("DPI Cycle", "DPI 循环"),
    7: ("DPI / Mouse", "DPI/鼠标功能"),
    8: ("Multimedia", "多媒体"),
    9: ("Macros", "宏"),
    10: ("Shortcuts", "快捷功能"),
    11: ("Fire Key", "连发键"),
    12: ("Double Click", "双击"),
    13: ("Scroll Up", "向上滚动"),
    14: ("Scroll Down", "向下滚动"),
    15: ("Scroll Left", "向左滚动"),
    16: ("Scroll Right", "向右滚动"),
    17: ("DPI Up", "DPI 加"),
    18: ("DPI Down", "DPI 减"),
    19: ("LED On/Off", "灯光开关"),
    21: ("Play/Pause", "播放/暂停"),
    22: ("Previous Track", "上一曲"),
    23: ("Next Track", "下一曲"),
    24: ("Volume Up", "音量加"),
    25: ("Volume Down", "音量减"),
    26: ("Mute", "静音"),
    31: ("Copy (Ctrl+C)", "复制 (Ctrl+C)"),
    32: ("Paste (Ctrl+V)", "粘贴 (Ctrl+V)"),
    33: ("Select All (Ctrl+A)", "全选 (Ctrl+A)"),
    34: ("Undo (Ctrl+Z)", "撤销 (Ctrl+Z)"),
    35: ("Close Window", "关闭窗口"),
    36: ("My Computer", "我的电脑"),
    37: ("Lock Computer", "锁定计算机"),
    38: ("Calculator", "计算器"),
    39: ("Command Prompt", "命令提示符"),
    40: ("Next Profile", "下一个配置"),
}
