// SPDX-License-Identifier: MIT
#include "SettingsDialog.h"

#include "AppInfo.h"
#include "ProgramSettings.h"
#include "UiFonts.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

#include <algorithm>

namespace {

constexpr qreal BaseFontSize = 8.25;
// The port list has room beside it for the name of the device the port reaches;
// everything right of the software frame moves over by this much.
constexpr int DeviceRoom = 1800; // twips
constexpr int ClientWidth = 8565 + DeviceRoom;
constexpr int ClientHeight = 3120;
constexpr int ComboWidth = 975;
// The port's device sits right of the port list, level with it, clear of the
// hint below the port's label; a long text wraps and the label grows down.
constexpr int PortDeviceLeft = 4095;
constexpr int PortDeviceTop = 600;
constexpr int PortDeviceHeight = 495;

QLabel* makeLabel(TwipsLayout& layout, QWidget* parent, const QString& name, const QString& text,
                  QRect twips)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    layout.place(label, twips);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setWordWrap(true);
    return label;
}

// A one-line label that names the list beside it sits level with the list's text.
void besideList(QLabel* label)
{
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
}

// A drop-down list of " 1" .. " count": each number with one leading blank.
QComboBox* makeNumberList(TwipsLayout& layout, QWidget* parent, const QString& name, int count,
                          int left, int top)
{
    auto* combo = new QComboBox(parent);
    combo->setObjectName(name);
    for (int number = 1; number <= count; ++number)
        combo->addItem(QStringLiteral(" %1").arg(number));
    layout.place(combo, QRect(left, top, ComboWidth, 0)); // as high as its font needs
    return combo;
}

QGroupBox* makeFrame(TwipsLayout& layout, QWidget* parent, const QString& name,
                     const QString& caption, QRect twips)
{
    auto* frame = new QGroupBox(caption, parent);
    frame->setObjectName(name);
    layout.place(frame, twips);
    return frame;
}

} // namespace

SettingsDialog::SettingsDialog(ProgramSettings& settings, QWidget* parent, ZoomSource zoom)
    : QWidget(parent, Qt::Dialog)
    , m_settings(settings)
    , m_zoomSource(std::move(zoom))
{
    setObjectName(QStringLiteral("Settings_form"));
    setWindowTitle(AppInfo::productName() + tr(" Settings..."));
    m_layout.setFont(this, UiFonts::sansSerif(BaseFontSize));
    // Closing by the window's close button discards the dialog.
    setAttribute(Qt::WA_DeleteOnClose);

    createSoftwareFrame();
    createDeviceFrame();
    createButtons();
    loadLists();
    applyZoom();

    connect(m_commPortCombo, &QComboBox::currentIndexChanged, this,
            &SettingsDialog::refreshPortDevice);
    // Opening a data file changes the speeds; the lists follow.
    connect(&m_settings, &ProgramSettings::pcSpeedChanged, m_pcSpeedCombo,
            [this](int ms) { m_pcSpeedCombo->setCurrentIndex(ms - 1); });
    connect(&m_settings, &ProgramSettings::picSpeedChanged, m_picSpeedCombo,
            [this](int delay) { m_picSpeedCombo->setCurrentIndex(delay - 1); });
    // ... and show the file's speeds even where the user had changed a list
    // without pressing OK.
    connect(&m_settings, &ProgramSettings::speedsLoaded, this, [this](int picSpeed, int pcSpeed) {
        m_picSpeedCombo->setCurrentIndex(picSpeed - 1);
        m_pcSpeedCombo->setCurrentIndex(pcSpeed - 1);
    });
}

void SettingsDialog::createSoftwareFrame()
{
    auto* frame = makeFrame(m_layout, this, QStringLiteral("CommPortSettingsFrame"),
                            tr("Software Settings"), QRect(120, 240, 4215 + DeviceRoom, 2655));
    besideList(makeLabel(m_layout, frame, QStringLiteral("Label2"),
                         tr("Communication Port# (RS-232)"), QRect(120, 600, 2895, 375)));
    makeLabel(m_layout, frame, QStringLiteral("Label3"),
              tr("(Programming cable is connected to this 9-pin port#)"),
              QRect(120, 960, 3975, 495));
    besideList(makeLabel(m_layout, frame, QStringLiteral("Label1"), tr("LED Test Speed (ms)"),
                         QRect(240, 1680, 2415, 375)));
    makeLabel(m_layout, frame, QStringLiteral("Label4"),
              tr("(Set to match Test speed with Sequencer speed)"), QRect(240, 2160, 3735, 375));
    m_portDeviceLabel =
        makeLabel(m_layout, frame, QStringLiteral("PortDeviceLabel"), QString(),
                  QRect(PortDeviceLeft, PortDeviceTop, DeviceRoom, PortDeviceHeight));
    m_portDeviceLabel->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
}

void SettingsDialog::createDeviceFrame()
{
    auto* frame = makeFrame(m_layout, this, QStringLiteral("SpeedSettingsFrame"),
                            tr("Strobix Settings"), QRect(4440 + DeviceRoom, 240, 3975, 1815));
    besideList(makeLabel(m_layout, frame, QStringLiteral("SequencerSpeed"),
                         tr("Sequencer Delay (ms)"), QRect(240, 720, 2415, 375)));
    makeLabel(m_layout, frame, QStringLiteral("Label5"),
              tr("(Sets the delay between each of the 50 events )"), QRect(120, 1320, 3735, 375));
}

void SettingsDialog::createButtons()
{
    QLabel* hint = makeLabel(m_layout, this, QStringLiteral("Label6"),
                             tr("Use Pull-downs for changing all settings!"),
                             QRect(4440 + DeviceRoom, 2160, 4095, 375));
    QPalette palette = hint->palette();
    palette.setColor(QPalette::WindowText, Qt::red);
    hint->setPalette(palette);

    m_cancelButton = new QPushButton(tr("Cancel"), this);
    m_cancelButton->setObjectName(QStringLiteral("SettingsCancelbutton"));
    m_layout.place(m_cancelButton, QRect(5160 + DeviceRoom, 2520, 1095, 495));
    m_okButton = new QPushButton(tr("OK"), this);
    m_okButton->setObjectName(QStringLiteral("SettingsOKbutton"));
    m_layout.place(m_okButton, QRect(6960 + DeviceRoom, 2520, 975, 495));

    connect(m_cancelButton, &QPushButton::clicked, this, &QWidget::hide);
    connect(m_okButton, &QPushButton::clicked, this, &SettingsDialog::applyChoices);
}

// The keys users expect of a dialog: Esc cancels, Enter confirms. They arrive
// here only when no control took them, so with a list open they act on the list.
void SettingsDialog::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Escape:
        m_cancelButton->click();
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        // On a focused button Enter presses that button, as Space does.
        if (auto* button = qobject_cast<QPushButton*>(focusWidget()))
            button->click();
        else
            m_okButton->click();
        break;
    default:
        QWidget::keyPressEvent(event);
    }
}

// Fills the lists in the order the dialog always has (sequencer delay, test
// speed, port) and selects the current settings (entry = value - 1).
void SettingsDialog::loadLists()
{
    auto* software = findChild<QGroupBox*>(QStringLiteral("CommPortSettingsFrame"));
    auto* device = findChild<QGroupBox*>(QStringLiteral("SpeedSettingsFrame"));
    m_picSpeedCombo = makeNumberList(m_layout, device, QStringLiteral("PICSpeedcombo"),
                                     ProgramSettings::MaxSpeed, 2880, 720);
    m_pcSpeedCombo = makeNumberList(m_layout, software, QStringLiteral("PCSpeedcombo"),
                                    ProgramSettings::MaxSpeed, 3000, 1680);
    m_commPortCombo = makeNumberList(m_layout, software, QStringLiteral("CommPortcombo"),
                                     ProgramSettings::MaxPort, 3000, 600);

    m_commPortCombo->setCurrentIndex(m_settings.commPort() - 1);
    m_pcSpeedCombo->setCurrentIndex(m_settings.pcSpeed() - 1);
    m_picSpeedCombo->setCurrentIndex(m_settings.picSpeed() - 1);

    // Tab follows the layout: the software frame top down, the device frame, then the buttons.
    setTabOrder(m_commPortCombo, m_pcSpeedCombo);
    setTabOrder(m_pcSpeedCombo, m_picSpeedCombo);
    setTabOrder(m_picSpeedCombo, m_cancelButton);
    setTabOrder(m_cancelButton, m_okButton);
    m_commPortCombo->setAccessibleName(tr("Communication port"));
    m_commPortCombo->setAccessibleDescription(
        tr("Serial port number the programming cable is connected to"));
    m_pcSpeedCombo->setAccessibleName(tr("LED test speed (ms)"));
    m_pcSpeedCombo->setAccessibleDescription(
        tr("Step time of the visual test, to match the sequencer"));
    m_picSpeedCombo->setAccessibleName(tr("Sequencer delay (ms)"));
    m_picSpeedCombo->setAccessibleDescription(
        tr("Delay between each of the 50 events on the sequencer"));
    m_okButton->setAccessibleDescription(tr("Uses these settings and remembers the port"));
    m_cancelButton->setAccessibleDescription(tr("Closes without changing the settings"));
}

void SettingsDialog::setPortDescriber(PortDescriber describer)
{
    m_describer = std::move(describer);
    refreshPortDevice();
}

Zoom SettingsDialog::zoom() const
{
    return m_zoomSource ? m_zoomSource() : Zoom();
}

// At the main window's zoom, which may have changed since the dialog was last shown.
void SettingsDialog::applyZoom()
{
    m_layout.apply(zoom());
    setFixedSize(zoom().px(ClientWidth), zoom().px(ClientHeight));
    fitPortDeviceLabel();
}

void SettingsDialog::present()
{
    if (!isVisible())
        applyZoom();
    // Opened afresh, the keyboard starts at the first list.
    if (!isVisible())
        m_commPortCombo->setFocus(Qt::ActiveWindowFocusReason);
    show();
    raise();
    activateWindow();
}

int SettingsDialog::chosenCommPort() const
{
    return m_commPortCombo->currentIndex() + 1;
}

int SettingsDialog::chosenPcSpeed() const
{
    return m_pcSpeedCombo->currentIndex() + 1;
}

int SettingsDialog::chosenPicSpeed() const
{
    return m_picSpeedCombo->currentIndex() + 1;
}

void SettingsDialog::applyChoices()
{
    hide();
    m_settings.setPicSpeed(chosenPicSpeed());
    m_settings.setPcSpeed(chosenPcSpeed());
    m_settings.setCommPort(chosenCommPort());
    emit settingsAccepted();
}

void SettingsDialog::showEvent(QShowEvent* event)
{
    // The device behind a port number can come and go (USB adapters).
    refreshPortDevice();
    QWidget::showEvent(event);
}

void SettingsDialog::closeEvent(QCloseEvent* event)
{
    event->accept();
    emit discarded();
}

void SettingsDialog::refreshPortDevice()
{
    const QString text = m_describer ? m_describer(chosenCommPort()) : QString();
    // The label has room for two lines (the device and what it is); the
    // tooltip tells all of it.
    m_portDeviceLabel->setText(text.section(QLatin1Char('\n'), 0, 1));
    m_portDeviceLabel->setToolTip(text);
    fitPortDeviceLabel();
}

// A long line wraps: the label grows down to show all of it.
void SettingsDialog::fitPortDeviceLabel()
{
    const int width = m_portDeviceLabel->width();
    m_portDeviceLabel->resize(
        width, std::max(zoom().px(PortDeviceHeight), m_portDeviceLabel->heightForWidth(width)));
}
