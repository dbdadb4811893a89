#pragma once

#include <QString>
#include <array>
#include <functional>

class QAction;
class QMenu;
class QToolBar;

// The one table of the main window's commands. The toolbar and the pop-up menu are both
// built from it, so that a button, its menu twin and their states cannot drift apart.
namespace Commands {

struct Command
{
    const char* key; // the toolbar button's key; also the command's name
    const char* tooltip;
    const char* icon;     // resource path of the 32 x 32 image
    const char* menuName; // objectName of the menu entry; nullptr when the command has none
    const char* menuText;
};

inline constexpr int Count = 10;

// In the order in which a toolbar key is compared.
inline constexpr std::array<Command, Count> Table = {{
    {"Start", "Start Monitoring", ":/icons/start.svg", "mngo", "Go"},
    {"Stop", "Stop Monitoring", ":/icons/stop.svg", "mnstop", "Stop"},
    {"Save", "Save Grid Contents", ":/icons/save.svg", nullptr, nullptr},
    {"Log", "Show Auction  Log", ":/icons/log.svg", "mnlog", "Auction Log"},
    {"Setup", "Program Setup", ":/icons/setup.svg", "mnsetup", "Setup"},
    {"Sound", "Set Sound Notification", ":/icons/sound.svg", "mnsound", "Sound Notification"},
    {"Window", "Set Pop-up Window Notification", ":/icons/window.svg", "mnwindow", "Pop-up Window Notification"},
    {"About", "About Bidorra", ":/icons/about.svg", "mnabout", "About"},
    {"Help", "Open Help", ":/icons/help.svg", "mnhelp", "Help"},
    {"Exit", "Exit Program", ":/icons/exit.svg", "mnexit", "Exit"},
}};

// The toolbar, position 1 first; nullptr is a separator. Other code addresses buttons by
// these 1-based positions.
inline constexpr int ToolbarPositions = 15;
inline constexpr std::array<const char*, ToolbarPositions> Toolbar = {"Start", "Stop",  nullptr, "Save",   "Log",
                                                                      "Setup", nullptr, "Sound", "Window", nullptr,
                                                                      "Help",  "About", nullptr, "Exit",   nullptr};

// The pop-up menu, top to bottom: the entry's objectName and its command's key (nullptr for
// a separator).
struct MenuSlot
{
    const char* name;
    const char* key;
};
inline constexpr std::array<MenuSlot, 13> Menu = {{
    {"mnexit", "Exit"},
    {"sep1", nullptr},
    {"mnabout", "About"},
    {"mnhelp", "Help"},
    {"sep2", nullptr},
    {"mnwindow", "Window"},
    {"mnsound", "Sound"},
    {"sep3", nullptr},
    {"mnsetup", "Setup"},
    {"mnlog", "Log"},
    {"sep4", nullptr},
    {"mnstop", "Stop"},
    {"mngo", "Start"},
}};

// The command with exactly this key (case-sensitive), or nullptr.
const Command* find(const QString& key);
// The 1-based toolbar position of a key, or 0.
int toolbarPosition(const QString& key);

// Adds one action per toolbar position (separators included) and returns them in order.
// Each command action carries its key as objectName.
std::array<QAction*, ToolbarPositions> buildToolbar(QToolBar& toolbar);
// Adds the menu's entries and separators, each named as in Menu, and returns them in order.
std::array<QAction*, Menu.size()> buildMenu(QMenu& menu);

// Runs a command's operation by its key. A key that names no command (a separator has
// none) does nothing.
class Dispatcher
{
public:
    // False when the key names no command.
    bool setHandler(const QString& key, std::function<void()> handler);
    // True when the key named a command (whether or not it has a handler yet).
    bool dispatch(const QString& key) const;

private:
    std::array<std::function<void()>, Count> m_handlers;
};

} // namespace Commands
