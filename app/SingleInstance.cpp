#include "app/SingleInstance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>
#include <sys/stat.h>
#include <unistd.h>

using namespace std::chrono_literals;

namespace {
const QByteArray Answer = QByteArrayLiteral("shown\n");
// A running instance answers at once; one that takes longer is hung, not busy.
constexpr auto Patience = 5s;
} // namespace

QString SingleInstance::serverNameFor(const QString& programFolder)
{
    const QFileInfo folder(programFolder);
    const QString canonical = folder.canonicalFilePath();
    QCryptographicHash hash(QCryptographicHash::Sha256);
    hash.addData((canonical.isEmpty() ? folder.absoluteFilePath() : canonical).toUtf8());
    hash.addData(QByteArrayView("\0", 1));
    hash.addData(QByteArray::number(::getuid()));
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    return QDir(runtime).filePath(QStringLiteral("bidorra-") + QString::fromLatin1(hash.result().toHex().left(32)));
}

SingleInstance::SingleInstance(const QString& serverName, QObject* parent)
    : QObject(parent), m_serverName(serverName), m_server(new QLocalServer(this)), m_probe(new QLocalSocket(this))
{
    m_patience.setSingleShot(true);
    m_patience.setInterval(Patience);
    m_patience.callOnTimeout(this, [this] { decide(&SingleInstance::noAnswer); });
    connect(m_probe, &QLocalSocket::errorOccurred, this, [this] {
        // Nobody listens: no instance runs, whatever file the socket's path holds.
        if (m_probe->state() != QLocalSocket::ConnectedState && !m_decided) {
            takeOver();
        }
    });
    connect(m_probe, &QLocalSocket::readyRead, this, [this] {
        if (m_probe->bytesAvailable() >= Answer.size() && m_probe->read(Answer.size()) == Answer) {
            decide(&SingleInstance::handedOver);
        }
    });
    connect(m_server, &QLocalServer::newConnection, this, &SingleInstance::answerLaterStarts);
}

void SingleInstance::start()
{
    m_patience.start();
    QTimer::singleShot(0, this, [this] { m_probe->connectToServer(m_serverName); });
}

void SingleInstance::takeOver()
{
    // Without the socket the program still works; a second start just will not find it.
    struct stat status = {};
    if (::lstat(QFile::encodeName(m_serverName).constData(), &status) == 0 && !S_ISSOCK(status.st_mode)) {
        m_problem = tr("%1 is in the way: it is not a socket.").arg(m_serverName);
    } else {
        QLocalServer::removeServer(m_serverName);
        if (!m_server->listen(m_serverName)) {
            m_problem = tr("%1 cannot be made: %2").arg(m_serverName, m_server->errorString());
        }
    }
    decide(&SingleInstance::running);
}

void SingleInstance::answerLaterStarts()
{
    while (QLocalSocket* later = m_server->nextPendingConnection()) {
        connect(later, &QLocalSocket::disconnected, later, &QObject::deleteLater);
        later->write(Answer);
        later->disconnectFromServer();
        Q_EMIT windowWanted();
    }
}

void SingleInstance::decide(void (SingleInstance::*outcome)())
{
    if (m_decided) {
        return;
    }
    m_decided = true;
    m_patience.stop();
    m_probe->abort();
    Q_EMIT(this->*outcome)();
}
