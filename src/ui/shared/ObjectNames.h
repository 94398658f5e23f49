// SPDX-License-Identifier: MIT
#pragma once

#include <QLatin1String>
#include <QString>

// The object names of the main window and its controls, which screen readers,
// scripts and the tests know them by: the program names its controls with
// these and the tests find them by these, so the two cannot drift apart. The
// values are the original program's and must not change.
namespace ObjectNames {

inline constexpr char MainWindow[] = "Main_LEDFlasher_form";
inline constexpr char ClientArea[] = "ClientArea";

// The painted parts.
inline constexpr char SequenceGrid[] = "SequenceGrid";
inline constexpr char TimeAxis[] = "TimeAxis";

// One per LED row; perLed() adds the row's number (0 to 3).
inline constexpr char LedLabel[] = "LEDlabel1_";
inline constexpr char Lamp[] = "LED";
inline constexpr char RowOptions[] = "RowOptions";
inline constexpr char ServoControl[] = "ServoControl";

inline constexpr char ServoHeading[] = "Label1";
inline constexpr char OpenButton[] = "OpenButton";
inline constexpr char TestButton[] = "TestButton";
inline constexpr char DownloadButton[] = "DownloadButton";
inline constexpr char SaveButton[] = "SaveButton";
inline constexpr char SettingsButton[] = "Settings_button";
inline constexpr char ExitButton[] = "Exit_button";

// The servo stick's group, and the download's message and progress in its place.
inline constexpr char PulseWidthLabel1[] = "PulseWidthlabel1";
inline constexpr char PulseWidth[] = "PulseWidth";
inline constexpr char PulseWidthLabel2[] = "PulseWidthlabel2";
inline constexpr char ServoStick[] = "ServoStick";
inline constexpr char ServoHint[] = "Label2";
inline constexpr char DownloadLabel[] = "DLlabel";
inline constexpr char ProgressBar[] = "ProgressBar1";

// The pop-up lists.
inline constexpr char ColorList[] = "ColorList";
inline constexpr char RowOptionsList[] = "RowOptionsList";
inline constexpr char CopyList[] = "CopyList";

// The menus and their commands.
inline constexpr char MenuFile[] = "MENUfile";
inline constexpr char MenuHelp[] = "MENUhelp";
inline constexpr char MenuNew[] = "MENUnew";
inline constexpr char MenuOpen[] = "MENUopen";
inline constexpr char MenuMerge[] = "MENUmerge";
inline constexpr char MenuSave[] = "MENUsave";
inline constexpr char MenuExit[] = "MENUexit";
inline constexpr char MenuTest[] = "MENUtest";
inline constexpr char MenuDownload[] = "MENUdownload";
inline constexpr char MenuSettings[] = "MENUsettings";
inline constexpr char MenuAbout[] = "MENUabout";
inline constexpr char MenuHowto[] = "MENUhowto";

// Commands on the window itself, with keys and no menu entry.
inline constexpr char Undo[] = "Undo";
inline constexpr char Redo[] = "Redo";
inline constexpr char ZoomIn[] = "ZoomIn";
inline constexpr char ZoomOut[] = "ZoomOut";
inline constexpr char ZoomReset[] = "ZoomReset";

// The name of row `led`'s control of a per-LED name: "ServoControl2".
inline QString perLed(const char* name, int led)
{
    return QLatin1String(name) + QString::number(led);
}

} // namespace ObjectNames
