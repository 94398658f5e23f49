// SPDX-License-Identifier: MIT
#pragma once

#include "TwipsLayout.h"

#include <QWidget>

#include <functional>

class ProgramSettings;
class QComboBox;
class QLabel;
class QPushButton;

// The settings window (Settings_form): the serial port, the LED test speed and
// the sequencer delay, each picked from a drop-down list whose entry position
// plus one is the value. It is not modal. OK and Cancel only hide it, so the
// lists keep whatever the user left in them; closing it with the window's
// close button discards it (its owner loads a fresh one when needed).
class SettingsDialog : public QWidget {
    Q_OBJECT
public:
    // Says which device a port number reaches on this computer (empty: nothing to say).
    using PortDescriber = std::function<QString(int port)>;
    // The main window's zoom, which the dialog follows each time it is shown.
    using ZoomSource = std::function<Zoom()>;

    SettingsDialog(ProgramSettings& settings, QWidget* parent, ZoomSource zoom);

    void setPortDescriber(PortDescriber describer);

    // Shows the dialog, or brings it to the front when it is already shown.
    void present();

    // The values the lists show now.
    int chosenCommPort() const;
    int chosenPcSpeed() const;
    int chosenPicSpeed() const;

    QComboBox* commPortCombo() const { return m_commPortCombo; }
    QComboBox* pcSpeedCombo() const { return m_pcSpeedCombo; }
    QComboBox* picSpeedCombo() const { return m_picSpeedCombo; }
    QLabel* portDeviceLabel() const { return m_portDeviceLabel; }
    QPushButton* okButton() const { return m_okButton; }
    QPushButton* cancelButton() const { return m_cancelButton; }

signals:
    // OK was pressed: the dialog is hidden and the settings hold the lists' values.
    void settingsAccepted();
    // The user closed the window: it is on its way out and must not be shown again.
    void discarded();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void createSoftwareFrame();
    void createDeviceFrame();
    void createButtons();
    void loadLists();
    void applyChoices();
    void refreshPortDevice();
    void fitPortDeviceLabel();
    void applyZoom();
    Zoom zoom() const;

    TwipsLayout m_layout;
    ProgramSettings& m_settings;
    ZoomSource m_zoomSource;
    PortDescriber m_describer;
    QComboBox* m_commPortCombo = nullptr;
    QComboBox* m_pcSpeedCombo = nullptr;
    QComboBox* m_picSpeedCombo = nullptr;
    QLabel* m_portDeviceLabel = nullptr;
    QPushButton* m_okButton = nullptr;
    QPushButton* m_cancelButton = nullptr;
};
