#pragma once

#include <QString>
#include <exception>

// An unexpected failure inside the retrieval or the parser. The retrieval catches it in one
// place and shows "Error: <description> occurred.".
class Failure : public std::exception
{
public:
    explicit Failure(QString description) : m_description(std::move(description)) {}
    const QString& description() const { return m_description; }
    const char* what() const noexcept override { return "Bidorra failure"; }

private:
    QString m_description;
};
