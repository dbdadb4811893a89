#pragma once

#include <QString>

// Hands a URL or a document path to the desktop's default handler.
class Shell
{
public:
    virtual ~Shell() = default;
    virtual void open(const QString& target) = 0;
    // Starts a program by its path; false when it could not be started.
    virtual bool startProgram(const QString& path) = 0;
};
