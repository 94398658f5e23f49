// SPDX-License-Identifier: MIT
#include "ShellCommands.h"

#include "AppInfo.h"
#include "ManualLocation.h"
#include "TestPlayback.h"
#include "UserPrompts.h"

#include <QAction>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QPushButton>
#include <QUrl>

namespace {

QString blanks(int count)
{
    return QString(count, QLatin1Char(' '));
}

} // namespace

ShellCommands::ShellCommands(UserPrompts& prompts, TestPlayback& playback, const Triggers& triggers)
    : QObject()
    , m_prompts(prompts)
    , m_playback(playback)
    , m_endProgram([] { QCoreApplication::quit(); })
    , m_openManual([](const QUrl& url) {
        return (!url.isLocalFile() || QFileInfo::exists(url.toLocalFile()))
               && QDesktopServices::openUrl(url);
    })
{
    connect(triggers.exit, &QAction::triggered, this, &ShellCommands::confirmExit);
    connect(triggers.exitButton, &QPushButton::clicked, this, &ShellCommands::exitButtonClicked);
    connect(triggers.about, &QAction::triggered, this, &ShellCommands::showAbout);
    connect(triggers.manual, &QAction::triggered, this, &ShellCommands::offerManual);
}

QString ShellCommands::exitPrompt()
{
    return blanks(23) + tr("OK to Really Exit ?") + QStringLiteral("\r\r") + blanks(12)
           + tr("(Be sure you have saved your files)");
}

// Six lines; an empty line stands between all of them but the first two.
QString ShellCommands::aboutText()
{
    const QString gap = QStringLiteral("\r\r");
    return blanks(25) + QStringLiteral("S T R O B I X\r") + blanks(22)
           + QString(18, QLatin1Char('=')) + gap + blanks(2)
           + tr("Programmable LED Sequencer/Flasher  - Rev3") + gap + blanks(27)
           + tr("By:  Tessmer") + gap + blanks(26) + ManualLocation::url().toString() + gap
           + blanks(33) + tr("Feb 2008");
}

QString ShellCommands::manualPromptTitle()
{
    return AppInfo::productName() + tr(" Users' Manual");
}

QString ShellCommands::siteName()
{
    return QStringLiteral("STROBIX HELP");
}

QString ShellCommands::manualPrompt()
{
    //: %1 the name of the manual's web page, left in English
    return tr("\r Click OK to view the Strobix Users' Manual on the %1 webpage...").arg(siteName());
}

void ShellCommands::confirmExit()
{
    const UserPrompts::Answer answer = m_prompts.ask(
        {QString(), exitPrompt(), UserPrompts::Icon::None, UserPrompts::Buttons::OkCancel});
    if (answer != UserPrompts::Answer::Ok)
        return;
    // Ending the event loop closes the window, which would otherwise ask again.
    m_exitAgreed = true;
    m_endProgram();
}

void ShellCommands::exitButtonClicked()
{
    // The test stays stopped even if the user then decides not to leave.
    m_playback.stop();
    confirmExit();
}

void ShellCommands::showAbout()
{
    m_prompts.ask({QString(), aboutText(), UserPrompts::Icon::None, UserPrompts::Buttons::Ok});
}

QString ShellCommands::manualNotOpened(const QUrl& url)
{
    const QString path = url.toLocalFile();
    const QString advice =
        QFileInfo::exists(path)
            ? tr("No web browser could be started. Open that file in a web browser,\r "
                 "or install xdg-utils so the desktop knows how to show it.")
            : tr("The file is missing. Reinstall Strobix to restore it.");
    return tr("\r The Users' Manual could not be opened:\r\r ") + path + QStringLiteral("\r\r ")
           + advice;
}

// A manual that cannot be shown is reported: otherwise the user would see nothing happen.
void ShellCommands::offerManual()
{
    const UserPrompts::Answer answer =
        m_prompts.ask({manualPromptTitle(), manualPrompt(), UserPrompts::Icon::Exclamation,
                       UserPrompts::Buttons::OkCancel});
    if (answer == UserPrompts::Answer::Cancel)
        return;
    const QUrl url = ManualLocation::url();
    if (!m_openManual(url))
        m_prompts.ask({manualPromptTitle(), manualNotOpened(url), UserPrompts::Icon::Exclamation,
                       UserPrompts::Buttons::Ok});
}
