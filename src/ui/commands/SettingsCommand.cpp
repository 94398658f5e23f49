// SPDX-License-Identifier: MIT
#include "SettingsCommand.h"

#include "BusyState.h"
#include "LedConfig.h"
#include "ProgramSettings.h"
#include "TestPlayback.h"
#include "UserPrompts.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QPushButton>

SettingsCommand::SettingsCommand(const Context& context, QAction* trigger)
    : QObject()
    , m_context(context)
{
    // The dialog is loaded when it is first needed rather than at start-up: it
    // then starts from the settings in force, exactly as a dialog loaded earlier
    // and kept in step with them would show, and the main window appears sooner.
    connect(trigger, &QAction::triggered, this, &SettingsCommand::show);
    connect(&context.busy, &BusyState::activityChanged, this, &SettingsCommand::lockOkWhileSending);
}

SettingsDialog& SettingsCommand::dialog()
{
    if (!m_dialog)
        load();
    return *m_dialog;
}

void SettingsCommand::setPortDescriber(SettingsDialog::PortDescriber describer)
{
    m_describer = std::move(describer);
    if (m_dialog)
        m_dialog->setPortDescriber(m_describer);
}

void SettingsCommand::show()
{
    m_context.playback.stop();
    dialog().present();
}

void SettingsCommand::load()
{
    m_dialog = new SettingsDialog(m_context.settings, m_context.dialogParent, m_context.zoom);
    m_dialog->setPortDescriber(m_describer);
    connect(m_dialog, &SettingsDialog::settingsAccepted, this, &SettingsCommand::saveCommPort);
    // Deletion follows later; until then the old dialog must not be handed out.
    connect(m_dialog, &SettingsDialog::discarded, this, [this] { m_dialog = nullptr; });
    lockOkWhileSending();
}

void SettingsCommand::lockOkWhileSending()
{
    if (m_dialog)
        m_dialog->okButton()->setEnabled(m_context.busy.activity()
                                         != BusyState::Activity::DownloadSending);
}

// The new settings are already in force; a file that cannot be written only
// means the port is not remembered for the next run, which the user must know.
void SettingsCommand::saveCommPort()
{
    const QString path = m_context.configPath;
    const LedConfig::WriteResult result = LedConfig::writePort(m_context.settings.commPort(), path);
    if (result.ok)
        return;
    UserPrompts::Message message;
    message.text = tr("The serial port setting could not be saved to\r")
                   + QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath())
                   + QStringLiteral("\r\r") + result.error + QStringLiteral("\r\r")
                   + tr("The new settings are used until the program ends.");
    message.icon = UserPrompts::Icon::Exclamation;
    message.buttons = UserPrompts::Buttons::Ok;
    m_context.prompts.ask(message);
}
