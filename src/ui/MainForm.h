// SPDX-License-Identifier: MIT
#pragma once

#include "LedSequence.h"
#include "TwipsLayout.h"
#include "Zoom.h"

#include <QCoreApplication>

#include <array>

class ClickableLabel;
class LampWidget;
class QAction;
class QComboBox;
class QLabel;
class QListWidget;
class QMainWindow;
class QProgressBar;
class QPushButton;
class QScrollBar;
class QWidget;
class RowOptionsButton;
class SequenceDocument;
class SequenceGrid;
class TimeAxisWidget;

// The main window's controls and menu commands, each with the object name the
// program and its tests know it by, placed from the table in MainForm.cpp in
// twips. The window's texts keep the window's translation context.
struct MainForm {
    Q_DECLARE_TR_FUNCTIONS(MainWindow)

public:
    static constexpr int LedCount = LedSequence::LedCount;

    MainForm(QMainWindow& window, SequenceDocument& document);

    // Colours fixed by the window's design that must stay readable under a dark palette.
    void applyTones(const QPalette& palette);
    // Lays the controls out again at this zoom; the painted ones draw at it.
    void applyZoom(Zoom zoom);

    TwipsLayout layout;
    QWidget* area;
    SequenceGrid* grid;
    TimeAxisWidget* timeAxis;
    std::array<ClickableLabel*, LedCount> ledLabels;
    std::array<LampWidget*, LedCount> lamps;
    std::array<RowOptionsButton*, LedCount> rowOptions;
    std::array<QComboBox*, LedCount> servoControls;
    QLabel* servoHeading;
    QPushButton *openButton, *testButton, *downloadButton, *saveButton, *settingsButton,
        *exitButton;
    QLabel *pulseWidthLabel1, *pulseWidth, *pulseWidthLabel2;
    QScrollBar* servoStick;
    QLabel *servoHint, *dlLabel;
    QProgressBar* progressBar;
    QListWidget *colorList, *rowOptionsList, *copyList;

    QAction *menuNew, *menuOpen, *menuMerge, *menuSave, *menuExit, *menuTest, *menuDownload,
        *menuSettings, *menuAbout, *menuHowto;

private:
    void createSequenceRows(SequenceDocument& document);
    void createCommandButtons();
    void createServoStickGroup();
    void createPopupLists();
    void fillLists();
    void setReadingOrder();
    void createMenus(QMainWindow& window);
    template <typename Widget> Widget* make(const char* name, int led = -1);
};
