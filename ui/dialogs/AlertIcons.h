#pragma once

#include <QIcon>

// The 32 x 32 pictures of the setup dialog's two alert buttons, drawn here so the dialog needs
// no image files.
namespace AlertIcons {
QIcon sound();
QIcon popUpWindow();
} // namespace AlertIcons
