#include "ui/main/Commands.h"

#include <QAction>
#include <QIcon>
#include <QMenu>
#include <QToolBar>
#include <QWidget>

namespace {
int indexOf(const QString& key)
{
    for (int i = 0; i < Commands::Count; ++i) {
        if (key == QLatin1String(Commands::Table[i].key)) {
            return i;
        }
    }
    return -1;
}
} // namespace

const Commands::Command* Commands::find(const QString& key)
{
    const int index = indexOf(key);
    return index < 0 ? nullptr : &Table[index];
}

int Commands::toolbarPosition(const QString& key)
{
    for (int i = 0; i < ToolbarPositions; ++i) {
        if (Toolbar[i] && key == QLatin1String(Toolbar[i])) {
            return i + 1;
        }
    }
    return 0;
}

std::array<QAction*, Commands::ToolbarPositions> Commands::buildToolbar(QToolBar& toolbar)
{
    std::array<QAction*, ToolbarPositions> actions{};
    for (int i = 0; i < ToolbarPositions; ++i) {
        const Command* command = Toolbar[i] ? find(QLatin1String(Toolbar[i])) : nullptr;
        if (!command) {
            actions[i] = toolbar.addSeparator();
            continue;
        }
        const QString key = QLatin1String(command->key);
        auto* action = toolbar.addAction(QIcon(QLatin1String(command->icon)), key);
        action->setObjectName(key);
        action->setToolTip(QLatin1String(command->tooltip));
        if (QWidget* button = toolbar.widgetForAction(action)) {
            button->setAccessibleName(key);
            button->setAccessibleDescription(action->toolTip());
        }
        actions[i] = action;
    }
    return actions;
}

std::array<QAction*, Commands::Menu.size()> Commands::buildMenu(QMenu& menu)
{
    std::array<QAction*, Menu.size()> actions{};
    for (std::size_t i = 0; i < Menu.size(); ++i) {
        const MenuSlot& slot = Menu[i];
        const Command* command = slot.key ? find(QLatin1String(slot.key)) : nullptr;
        QAction* action = command ? menu.addAction(QLatin1String(command->menuText)) : menu.addSeparator();
        action->setObjectName(QLatin1String(slot.name));
        actions[i] = action;
    }
    return actions;
}

bool Commands::Dispatcher::setHandler(const QString& key, std::function<void()> handler)
{
    const int index = indexOf(key);
    if (index < 0) {
        return false;
    }
    m_handlers[index] = std::move(handler);
    return true;
}

bool Commands::Dispatcher::dispatch(const QString& key) const
{
    const int index = indexOf(key);
    if (index < 0) {
        return false;
    }
    if (m_handlers[index]) {
        m_handlers[index]();
    }
    return true;
}
