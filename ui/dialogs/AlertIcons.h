#pragma once

#include <QIcon>

// The 32 x 32 pictures of the setup dialog's two alert buttons: the program's images of the two
// alerts (the toolbar shows them too), or pictures drawn here when those are not built in.
namespace AlertIcons {
QIcon sound();
QIcon popUpWindow();
} // namespace AlertIcons
