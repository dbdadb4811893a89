#include "ui/main/Resources.h"

#include <QtGlobal>

// Q_INIT_RESOURCE may not stand inside a namespace.
static void registerResources()
{
    Q_INIT_RESOURCE(resources);
}

void initResources()
{
    static const bool registered = (registerResources(), true);
    Q_UNUSED(registered);
}
