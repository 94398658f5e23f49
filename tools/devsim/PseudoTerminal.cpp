// SPDX-License-Identifier: MIT
#include "PseudoTerminal.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <pty.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

PseudoTerminal::PseudoTerminal()
{
    char name[256] = {};
    if (::openpty(&m_master, &m_slave, name, nullptr, nullptr) != 0) {
        m_error = QString::fromLocal8Bit(std::strerror(errno));
        m_master = m_slave = -1;
        return;
    }
    m_slavePath = QString::fromLocal8Bit(name);
    // A program started from the same process must not inherit the master:
    // it would keep the line up after closeMaster().
    for (int fd : {m_master, m_slave})
        ::fcntl(fd, F_SETFD, FD_CLOEXEC);
}

PseudoTerminal::~PseudoTerminal()
{
    if (!m_linkPath.isEmpty())
        QFile::remove(m_linkPath);
    closeMaster();
    if (m_slave >= 0)
        ::close(m_slave);
}

bool PseudoTerminal::linkAt(const QString& linkPath)
{
    const QFileInfo existing(linkPath);
    if (existing.exists() || existing.isSymLink()) {
        if (!existing.isSymLink()) {
            m_error = QStringLiteral("%1 exists and is not a symbolic link").arg(linkPath);
            return false;
        }
        QFile::remove(linkPath);
    }
    const QByteArray target = QFile::encodeName(m_slavePath);
    const QByteArray link = QFile::encodeName(linkPath);
    if (::symlink(target.constData(), link.constData()) != 0) {
        m_error = QStringLiteral("cannot create %1: %2")
                      .arg(linkPath, QString::fromLocal8Bit(std::strerror(errno)));
        return false;
    }
    m_linkPath = linkPath;
    return true;
}

void PseudoTerminal::giveToSudoUser()
{
    const char* uid = std::getenv("SUDO_UID");
    const char* gid = std::getenv("SUDO_GID");
    if (::geteuid() != 0 || uid == nullptr || gid == nullptr)
        return;
    if (::fchown(m_slave, static_cast<uid_t>(std::atol(uid)), static_cast<gid_t>(std::atol(gid)))
        != 0)
        m_error = QString::fromLocal8Bit(std::strerror(errno));
}

void PseudoTerminal::closeMaster()
{
    if (m_master >= 0)
        ::close(m_master);
    m_master = -1;
}
