#pragma once

#include "platform/Sound.h"

#include <memory>

// The alert as the program plays it. The sound module is loaded at the first alert, so that a
// run that plays none never maps Qt Multimedia and the sound system. Without the module the
// alert is the system's beep, and the reason goes once to the error output.
class ModuleSound final : public Sound
{
public:
    void play(const QString& file) override;
    void beep() override;

private:
    std::unique_ptr<Sound> m_loaded;
    bool m_tried = false;
};
