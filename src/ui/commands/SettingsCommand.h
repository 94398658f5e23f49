// SPDX-License-Identifier: MIT
#pragma once

#include "SettingsDialog.h"

#include <QObject>
#include <QPointer>

class BusyState;
class ProgramSettings;
class QAction;
class TestPlayback;
class UserPrompts;

// The Settings command: keeps the settings dialog loaded (hidden until asked
// for, loaded again after the user closed it by its close button), shows it
// after stopping a running test, and on OK keeps the chosen port in LED.cfg.
// While a download sends, the dialog's OK is locked: it would change the port,
// the speed and LED.cfg under the running download.
class SettingsCommand : public QObject {
    Q_OBJECT
public:
    struct Context {
        ProgramSettings& settings;
        TestPlayback& playback;
        UserPrompts& prompts;
        const BusyState& busy;
        QString configPath;
        QWidget* dialogParent;
        SettingsDialog::ZoomSource zoom; // the main window's
    };

    SettingsCommand(const Context& context, QAction* trigger);

    // The dialog, loaded again if the user discarded it.
    SettingsDialog& dialog();
    // The dialog if one is loaded now, else null (loads nothing).
    SettingsDialog* loadedDialog() const { return m_dialog; }

    // The describer stays in force for every dialog loaded later.
    void setPortDescriber(SettingsDialog::PortDescriber describer);

    void show();

private:
    void load();
    void saveCommPort();
    void lockOkWhileSending();

    Context m_context;
    QPointer<SettingsDialog> m_dialog;
    SettingsDialog::PortDescriber m_describer;
};
