// SPDX-License-Identifier: MIT
#include "UiStressRun.h"

#include "BgrColor.h"
#include "BusyState.h"
#include "ClickableLabel.h"
#include "CloseGuard.h"
#include "DownloadMessages.h"
#include "DownloadStream.h"
#include "TestWindow.h"
#include "RecoveryController.h"
#include "SequenceDocument.h"
#include "SequenceFileWriter.h"
#include "SequenceGrid.h"
#include "SettingsCommand.h"
#include "SettingsDialog.h"
#include "ShellCommands.h"
#include "TimeAxisWidget.h"
#include "UserPrompts.h"
#include "VirtualDevice.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDesktopServices>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QUndoStack>
#include <QWindow>

#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <array>
#include <functional>

enum class UiStressRun::Action {
    ClickCell,
    RightClickCell,
    DragOverCells,
    ClickLedLabel,
    PickFromOpenList,
    ClickRowOptions,
    DoubleClickTimeAxis,
    OpenServoList,
    PickFromPopup,
    MoveStick,
    ClickCommandButton,
    ClickMenuBar,
    PressKey,
    StrokeWithKeys,
    UseSettingsDialog,
    Wait,
    CloseWindow,
};

namespace {

using Answer = UserPrompts::Answer;
using Activity = BusyState::Activity;

struct Weighted {
    int weight;
    UiStressRun::Action action;
};

// How often each action comes, roughly as a busy user's hands move.
const std::array<Weighted, 17>& actionWeights()
{
    using A = UiStressRun::Action;
    static const std::array<Weighted, 17> weights{{
        {14, A::ClickCell},
        {1, A::RightClickCell},
        {7, A::DragOverCells},
        {4, A::ClickLedLabel},
        {8, A::PickFromOpenList},
        {4, A::ClickRowOptions},
        {3, A::DoubleClickTimeAxis},
        {3, A::OpenServoList},
        {6, A::PickFromPopup},
        {3, A::MoveStick},
        {9, A::ClickCommandButton},
        {6, A::ClickMenuBar},
        {10, A::PressKey},
        {3, A::StrokeWithKeys},
        {3, A::UseSettingsDialog},
        {7, A::Wait},
        {1, A::CloseWindow},
    }};
    return weights;
}

// Keys a user may press anywhere; modifiers included. Nothing that would end
// the program behind the prompts' back.
const std::array<QKeyCombination, 24>& someKeys()
{
    static const std::array<QKeyCombination, 24> keys{{
        Qt::Key_Space,
        Qt::Key_Return,
        Qt::Key_Escape,
        Qt::Key_Tab,
        Qt::Key_Backtab,
        Qt::Key_Left,
        Qt::Key_Right,
        Qt::Key_Up,
        Qt::Key_Down,
        Qt::Key_Home,
        Qt::Key_End,
        Qt::Key_PageUp,
        Qt::Key_PageDown,
        Qt::Key_Delete,
        Qt::Key_Backspace,
        Qt::Key_F1,
        Qt::ControlModifier | Qt::Key_Z,
        Qt::ControlModifier | Qt::ShiftModifier | Qt::Key_Z,
        Qt::ControlModifier | Qt::Key_Y,
        Qt::ControlModifier | Qt::Key_Plus,
        Qt::ControlModifier | Qt::Key_Minus,
        Qt::AltModifier | Qt::Key_T,
        Qt::AltModifier | Qt::Key_F,
        Qt::AltModifier | Qt::Key_H,
    }};
    return keys;
}

QString nameOf(Answer answer)
{
    switch (answer) {
    case Answer::Ok:
        return QStringLiteral("OK");
    case Answer::Cancel:
        return QStringLiteral("Cancel");
    case Answer::Yes:
        return QStringLiteral("Yes");
    case Answer::No:
        return QStringLiteral("No");
    }
    return {};
}

QString firstLine(const QString& text)
{
    const QString trimmed = text.trimmed();
    return trimmed.left(
        trimmed.indexOf(QLatin1Char('\r')) < 0 ? 60 : trimmed.indexOf(QLatin1Char('\r')));
}

bool isPrefixOf(const QByteArray& part, const QByteArray& whole)
{
    return whole.startsWith(part);
}

// Which of two colours a pixel is nearer to.
bool nearer(QRgb pixel, QColor to, QColor than)
{
    auto distance = [pixel](QColor color) {
        return std::abs(qRed(pixel) - color.red()) + std::abs(qGreen(pixel) - color.green())
               + std::abs(qBlue(pixel) - color.blue());
    };
    return distance(to) < distance(than);
}

mode_t kindAt(const QString& path)
{
    struct stat status {};
    return ::lstat(QFile::encodeName(path).constData(), &status) == 0 ? status.st_mode & S_IFMT : 0;
}

} // namespace

// Answers every prompt at random as a user might, notes it in the log, and
// checks what must hold while a prompt is open.
class UiStressRun::Prompts : public UserPrompts {
public:
    explicit Prompts(UiStressRun& run)
        : m_run(run)
    {
    }

    Answer ask(const Message& message) override
    {
        ++depth;
        const Answer answer = answerFor(message);
        m_run.note(
            QStringLiteral("    prompt \"%1\" -> %2").arg(firstLine(message.text), nameOf(answer)));
        --depth;
        return answer;
    }
    // Every prompt is answered at once: none is left open to withdraw.
    void withdraw() override {}

    QString chooseFile(const FileRequest& request) override
    {
        ++depth;
        const QString path = m_run.m_programEnded ? QString() : oddPath(request);
        m_run.note(QStringLiteral("    file dialog \"%1\" -> \"%2\"").arg(request.title, path));
        --depth;
        return path;
    }

    int depth = 0;

private:
    Answer answerFor(const Message& message)
    {
        if (message.text == DownloadMessages::instructions()) {
            m_run.onDownloadQuestion();
            if (m_run.chance(0.75)) {
                m_run.m_stream =
                    DownloadStream::build(m_run.m_window->document().sequence(),
                                          m_run.m_window->document().settings().picSpeed());
                m_run.m_sentDocument = m_run.documentBytes();
                return Answer::Ok;
            }
            return Answer::Cancel;
        }
        // Leaving ends the run: rarely, so that most runs meet much else first.
        if (message.text == ShellCommands::exitPrompt())
            return m_run.chance(0.03) ? Answer::Ok : Answer::Cancel;
        if (message.text == CloseGuard::downloadRunningQuestion())
            return m_run.chance(0.3) ? Answer::Ok : Answer::Cancel;
        switch (message.buttons) {
        case Buttons::Ok:
            return Answer::Ok;
        case Buttons::OkCancel:
            return m_run.chance(0.5) ? Answer::Ok : Answer::Cancel;
        case Buttons::YesNoCancel:
            break;
        }
        const std::array<Answer, 3> answers{Answer::Yes, Answer::No, Answer::Cancel};
        return answers[m_run.pick(3)];
    }

    // Where users point file dialogs: new and existing files, and places no
    // data file can be (missing folders, folders, pipes, devices, links that
    // loop, read-only places, junk).
    QString oddPath(const FileRequest&)
    {
        const QDir dir(m_run.m_dir.path());
        QStringList choices{QString(),
                            dir.filePath(QStringLiteral("new%1.dat").arg(m_run.pick(4))),
                            dir.filePath(QStringLiteral("saved.dat")),
                            dir.filePath(QStringLiteral("link.dat")),
                            dir.filePath(QStringLiteral("junk.dat")),
                            dir.filePath(QStringLiteral("huge.dat")),
                            dir.filePath(QStringLiteral("no/such/folder/x.dat")),
                            dir.filePath(QStringLiteral("folder.dat")),
                            dir.filePath(QStringLiteral("fifo.dat")),
                            dir.filePath(QStringLiteral("loop.dat")),
                            dir.filePath(QStringLiteral("readonly/x.dat")),
                            QStringLiteral("/proc/strobix-stress.dat")};
        if (m_run.m_hasDeviceNode)
            choices << dir.filePath(QStringLiteral("device.dat"));
        return choices[m_run.pick(int(choices.size()))];
    }

    UiStressRun& m_run;
};

UiStressRun::UiStressRun(quint64 seed, int actions)
    : m_random(seed)
    , m_seed(seed)
    , m_actions(actions)
{
    for (const char* scheme : {"file", "http", "https"})
        QDesktopServices::setUrlHandler(QLatin1String(scheme), this, "openUrl");
}

UiStressRun::~UiStressRun()
{
    m_recovery.reset();
    m_window.reset();
    if (m_device) {
        m_device->stop();
        m_device->finish();
    }
    for (const char* scheme : {"file", "http", "https"})
        QDesktopServices::unsetUrlHandler(QLatin1String(scheme));
}

void UiStressRun::openUrl(const QUrl& url)
{
    note(QStringLiteral("    desktop asked to open %1").arg(url.toString()));
}

QString UiStressRun::summary() const
{
    return QStringLiteral("seed %1: %2 actions, %3 downloads confirmed (%4 completed, %5 failed)%6")
        .arg(m_seed)
        .arg(m_done)
        .arg(m_downloads)
        .arg(m_completed)
        .arg(m_failed)
        .arg(m_programEnded ? QStringLiteral(", program ended by the user") : QString());
}

bool UiStressRun::run()
{
    setUpFiles();
    startWindow();
    checkInvariants();
    while (m_done < m_actions && !m_programEnded && m_failure.isEmpty()) {
        const Action action = pickAction();
        act(action);
        ++m_done;
        QCoreApplication::processEvents();
        if (m_failure.isEmpty() && !m_programEnded)
            checkInvariants();
    }
    if (m_failure.isEmpty())
        finishDownloads();
    return m_failure.isEmpty();
}

void UiStressRun::setUpFiles()
{
    const QDir dir(m_dir.path());
    auto write = [&dir](const char* name, const QByteArray& bytes) {
        QFile file(dir.filePath(QLatin1String(name)));
        if (file.open(QIODevice::WriteOnly))
            file.write(bytes);
    };
    SequenceFile saved;
    for (int event = 0; event < SequenceFile::EventCount; ++event)
        saved.events[event] = pick(16);
    saved.lastEvent = pick(SequenceFile::EventCount);
    write("saved.dat", SequenceFileWriter::encode(saved));
    QByteArray junk(300, '\0');
    for (char& byte : junk)
        byte = char(pick(256));
    write("junk.dat", junk);
    write("huge.dat", QByteArray(70 * 1024, '1'));
    QFile::link(QStringLiteral("saved.dat"), dir.filePath(QStringLiteral("link.dat")));
    QFile::link(QStringLiteral("loop.dat"), dir.filePath(QStringLiteral("loop.dat")));
    dir.mkdir(QStringLiteral("folder.dat"));
    dir.mkdir(QStringLiteral("readonly"));
    QFile::setPermissions(dir.filePath(QStringLiteral("readonly")),
                          QFile::ReadOwner | QFile::ExeOwner);
    ::mkfifo(QFile::encodeName(dir.filePath(QStringLiteral("fifo.dat"))).constData(), 0600);
    // A device node of its own, never a real one: a fault could replace it.
    m_hasDeviceNode =
        ::mknod(QFile::encodeName(dir.filePath(QStringLiteral("device.dat"))).constData(),
                S_IFCHR | 0600, makedev(1, 3))
        == 0;
}

void UiStressRun::startWindow()
{
    m_window = std::make_unique<WindowUnderTest>(m_dir.filePath(QStringLiteral("LED.cfg")));
    auto prompts = std::make_unique<Prompts>(*this);
    m_prompts = prompts.get();
    m_window->setPromptBackend(std::move(prompts));
    m_window->shellCommands()->setProgramEnder([this] {
        m_programEnded = true;
        note(QStringLiteral("    the program ends"));
    });
    m_window->setPortResolver(PortResolver::oneDevice([this] { return devicePath(); }));
    connect(&m_window->downloadCommand(), &DownloadCommand::ended, this,
            &UiStressRun::onDownloadEnded);
    startRecovery();
    m_window->show();
    m_window->activateWindow();
    if (!QTest::qWaitForWindowExposed(m_window.get()))
        check(false, QStringLiteral("the window was never shown"));
    // Keys go where the focus is; an inactive window has none.
    if (!QTest::qWaitForWindowActive(m_window.get()))
        note(QStringLiteral("the window is not active: keys go to the window itself"));
}

UiStressRun::Action UiStressRun::pickAction()
{
    int total = 0;
    for (const Weighted& weighted : actionWeights())
        total += weighted.weight;
    int roll = pick(total);
    for (const Weighted& weighted : actionWeights()) {
        if (roll < weighted.weight)
            return weighted.action;
        roll -= weighted.weight;
    }
    return Action::Wait;
}

void UiStressRun::act(Action action)
{
    switch (action) {
    case Action::ClickCell:
        return clickCell(Qt::LeftButton);
    case Action::RightClickCell:
        return clickCell(Qt::RightButton);
    case Action::DragOverCells:
        return dragOverCells();
    case Action::ClickLedLabel:
        return clickLedLabel();
    case Action::PickFromOpenList:
        return pickFromOpenList();
    case Action::ClickRowOptions:
        return clickRowOptions();
    case Action::DoubleClickTimeAxis:
        return doubleClickTimeAxis();
    case Action::OpenServoList:
        return openServoList();
    case Action::PickFromPopup:
        return pickFromPopup();
    case Action::MoveStick:
        return moveStick();
    case Action::ClickCommandButton:
        return clickCommandButton();
    case Action::ClickMenuBar:
        return clickMenuBar();
    case Action::PressKey:
        return pressKey();
    case Action::StrokeWithKeys:
        return strokeWithKeys();
    case Action::UseSettingsDialog:
        return useSettingsDialog();
    case Action::Wait:
        return waitAWhile();
    case Action::CloseWindow:
        return closeWindow();
    }
}

void UiStressRun::click(QWidget* widget, QPoint position, Qt::MouseButton button)
{
    QWindow* window = widget->window()->windowHandle();
    if (!window)
        return;
    QTest::mouseClick(window, button, Qt::NoModifier, widget->mapTo(widget->window(), position));
}

QWidget* UiStressRun::keyTarget() const
{
    if (QWidget* popup = QApplication::activePopupWidget())
        return popup;
    if (QWidget* focus = QApplication::focusWidget())
        return focus;
    return m_window.get();
}

void UiStressRun::clickCell(Qt::MouseButton button)
{
    const int row = pick(LedSequence::LedCount);
    const int column = pick(LedSequence::EventCount);
    note(QStringLiteral("%1 click cell %2,%3%4")
             .arg(m_done)
             .arg(row)
             .arg(column)
             .arg(button == Qt::RightButton ? QStringLiteral(" (right)") : QString()));
    click(m_window->grid(), m_window->grid()->cellCenter(row, column), button);
}

void UiStressRun::dragOverCells()
{
    SequenceGrid* grid = m_window->grid();
    QWindow* window = m_window->windowHandle();
    const int steps = 1 + pick(6);
    QPoint at = grid->cellCenter(pick(LedSequence::LedCount), pick(LedSequence::EventCount));
    QString path = QStringLiteral("(%1,%2)").arg(at.x()).arg(at.y());
    QTest::mousePress(window, Qt::LeftButton, Qt::NoModifier, grid->mapTo(m_window.get(), at));
    for (int step = 0; step < steps; ++step) {
        // Now and then off the grid, as a hurried hand goes.
        at = chance(0.15)
                 ? QPoint(pick(grid->width() + 40) - 20, pick(grid->height() + 40) - 20)
                 : grid->cellCenter(pick(LedSequence::LedCount), pick(LedSequence::EventCount));
        path += QStringLiteral(" (%1,%2)").arg(at.x()).arg(at.y());
        QTest::mouseMove(window, grid->mapTo(m_window.get(), at));
    }
    QTest::mouseRelease(window, Qt::LeftButton, Qt::NoModifier, grid->mapTo(m_window.get(), at));
    note(QStringLiteral("%1 drag over grid %2").arg(m_done).arg(path));
}

void UiStressRun::clickLedLabel()
{
    const int led = pick(LedSequence::LedCount);
    note(QStringLiteral("%1 click LED label %2").arg(m_done).arg(led + 1));
    QLabel* label = m_window->ledLabel(led);
    click(label, label->rect().center());
}

void UiStressRun::pickFromOpenList()
{
    QList<QListWidget*> open;
    for (QListWidget* list :
         {m_window->colorList(), m_window->rowOptionsList(), m_window->copyList()})
        if (list->isVisible())
            open << list;
    if (open.isEmpty())
        return;
    QListWidget* list = open[pick(int(open.size()))];
    const int row = pick(list->count());
    note(QStringLiteral("%1 pick entry %2 of %3").arg(m_done).arg(row).arg(list->objectName()));
    list->scrollToItem(list->item(row));
    click(list->viewport(), list->visualItemRect(list->item(row)).center());
}

void UiStressRun::clickRowOptions()
{
    const int led = pick(LedSequence::LedCount);
    note(QStringLiteral("%1 click row options %2").arg(m_done).arg(led + 1));
    QPushButton* button = m_window->rowOptionsButton(led);
    click(button, button->rect().center());
}

void UiStressRun::doubleClickTimeAxis()
{
    const int event = pick(LedSequence::EventCount);
    note(QStringLiteral("%1 double-click time axis %2").arg(m_done).arg(event));
    TimeAxisWidget* axis = m_window->timeAxis();
    QTest::mouseDClick(m_window->windowHandle(), Qt::LeftButton, Qt::NoModifier,
                       axis->mapTo(m_window.get(), axis->labelCenter(event)));
}

void UiStressRun::openServoList()
{
    const int led = pick(LedSequence::LedCount);
    note(QStringLiteral("%1 open servo list %2").arg(m_done).arg(led + 1));
    QComboBox* combo = m_window->servoControl(led);
    click(combo, combo->rect().center());
    if (chance(0.6))
        pickFromPopup();
}

void UiStressRun::pickFromPopup()
{
    QWidget* popup = QApplication::activePopupWidget();
    if (!popup)
        return;
    if (auto* menu = qobject_cast<QMenu*>(popup)) {
        const QList<QAction*> actions = menu->actions();
        if (actions.isEmpty())
            return;
        QAction* action = actions[pick(int(actions.size()))];
        note(QStringLiteral("%1 pick menu item %2").arg(m_done).arg(action->objectName()));
        click(menu, menu->actionGeometry(action).center());
        return;
    }
    auto* view = popup->findChild<QAbstractItemView*>();
    if (!view || !view->model() || view->model()->rowCount() == 0)
        return;
    const QModelIndex index = view->model()->index(pick(view->model()->rowCount()), 0);
    note(QStringLiteral("%1 pick popup entry %2").arg(m_done).arg(index.row()));
    view->scrollTo(index);
    click(view->viewport(), view->visualRect(index).center());
}

void UiStressRun::moveStick()
{
    QScrollBar* stick = m_window->servoStick();
    if (!stick->isVisible())
        return;
    if (chance(0.5)) {
        const QPoint at(pick(stick->width()), stick->height() / 2);
        note(QStringLiteral("%1 click stick at %2").arg(m_done).arg(at.x()));
        click(stick, at);
    } else {
        const Qt::Key key = chance(0.5) ? Qt::Key_Left : Qt::Key_Right;
        note(QStringLiteral("%1 stick key %2")
                 .arg(m_done)
                 .arg(key == Qt::Key_Left ? "Left" : "Right"));
        QTest::keyClick(stick, key);
    }
}

void UiStressRun::clickCommandButton()
{
    const std::array<QPushButton*, 6> buttons{
        m_window->openButton(),     m_window->saveButton(),     m_window->testButton(),
        m_window->downloadButton(), m_window->settingsButton(), m_window->exitButton()};
    QPushButton* button = buttons[pick(int(buttons.size()))];
    note(QStringLiteral("%1 click button %2").arg(m_done).arg(button->objectName()));
    click(button, button->rect().center());
}

void UiStressRun::clickMenuBar()
{
    QMenuBar* bar = m_window->menuBar();
    const QList<QAction*> entries = bar->actions();
    QAction* entry = entries[pick(int(entries.size()))];
    note(QStringLiteral("%1 click menu bar \"%2\"").arg(m_done).arg(entry->text()));
    click(bar, bar->actionGeometry(entry).center());
    if (entry->menu() && chance(0.7))
        pickFromPopup();
}

void UiStressRun::pressKey()
{
    const QKeyCombination key = someKeys()[pick(int(someKeys().size()))];
    QWidget* target = keyTarget();
    note(QStringLiteral("%1 key %2 to %3")
             .arg(m_done)
             .arg(QKeySequence(key).toString())
             .arg(target->objectName().isEmpty()
                      ? QString::fromLatin1(target->metaObject()->className())
                      : target->objectName()));
    QTest::keyClick(target, key.key(), key.keyboardModifiers());
}

void UiStressRun::strokeWithKeys()
{
    SequenceGrid* grid = m_window->grid();
    const int row = pick(LedSequence::LedCount);
    const int column = pick(LedSequence::EventCount);
    click(grid, grid->cellCenter(row, column));
    const int steps = 1 + pick(5);
    note(QStringLiteral("%1 Shift+arrow stroke of %2 from cell %3,%4 (a click first)")
             .arg(m_done)
             .arg(steps)
             .arg(row)
             .arg(column));
    QTest::keyPress(grid, Qt::Key_Shift);
    for (int step = 0; step < steps; ++step) {
        const std::array<Qt::Key, 4> arrows{Qt::Key_Left, Qt::Key_Right, Qt::Key_Up, Qt::Key_Down};
        QTest::keyClick(grid, arrows[pick(4)], Qt::ShiftModifier);
    }
    QTest::keyRelease(grid, Qt::Key_Shift);
}

void UiStressRun::useSettingsDialog()
{
    SettingsDialog* dialog = m_window->settingsCommand()->loadedDialog();
    if (!dialog || !dialog->isVisible())
        return;
    switch (pick(5)) {
    case 0:
        note(QStringLiteral("%1 settings: OK").arg(m_done));
        return click(dialog->okButton(), dialog->okButton()->rect().center());
    case 1:
        note(QStringLiteral("%1 settings: Cancel").arg(m_done));
        return click(dialog->cancelButton(), dialog->cancelButton()->rect().center());
    case 2:
        note(QStringLiteral("%1 settings: closed").arg(m_done));
        dialog->close();
        return;
    default:
        break;
    }
    const std::array<QComboBox*, 3> lists{dialog->commPortCombo(), dialog->pcSpeedCombo(),
                                          dialog->picSpeedCombo()};
    QComboBox* list = lists[pick(3)];
    const int entry = pick(list->count());
    note(QStringLiteral("%1 settings: %2 entry %3").arg(m_done).arg(list->objectName()).arg(entry));
    list->setCurrentIndex(entry);
}

void UiStressRun::waitAWhile()
{
    const int ms = chance(0.2) ? 500 + pick(1500) : 10 + pick(200);
    note(QStringLiteral("%1 wait %2 ms").arg(m_done).arg(ms));
    QTest::qWait(ms);
}

void UiStressRun::closeWindow()
{
    // A close that nothing stands in the way of ends the run; keep most runs
    // going long enough to meet the questions.
    const bool wouldAsk = !m_window->document().isClean() || m_stream.has_value();
    if (!wouldAsk && !chance(0.25))
        return;
    note(QStringLiteral("%1 close the window").arg(m_done));
    m_window->close();
}

void UiStressRun::check(bool condition, const QString& what)
{
    if (!condition && m_failure.isEmpty()) {
        m_failure = what;
        note(QStringLiteral("BROKEN: ") + what);
    }
}

void UiStressRun::checkInvariants()
{
    const Activity activity = m_window->busyState().activity();
    const bool sending = activity == Activity::DownloadSending;
    check(activity != Activity::DownloadAsking,
          QStringLiteral("the download still asks with no question open"));
    // From OK until the download reports its end (a failure is reported a
    // moment after the line gave up), the window is busy sending.
    check(sending == m_stream.has_value(),
          QStringLiteral("the busy state does not say whether a download is under way"));
    check((activity == Activity::Testing) == (!sending && m_window->playback().isRunning()),
          QStringLiteral("the busy state and the visual test disagree"));
    check(m_prompts->depth == 0, QStringLiteral("a prompt was left unanswered"));
    checkMirror();
    checkCommandsFollowBusyState(sending, sending);
    checkNothingLeftOpen();
    checkOddFilesIntact();
    checkRecoveryCopy();
    if (sending)
        check(documentBytes() == m_sentDocument,
              QStringLiteral("the sequence changed while its download was sending"));
}

namespace {
// The waits before a copy is written, shortened so that a short run sees many copies.
constexpr int RecoveryQuietMs = 50;
constexpr int RecoveryLongestWaitMs = 200;
// How far back a copy may lag behind the document.
constexpr qint64 RecoveryLagMs = 3000;
} // namespace

void UiStressRun::startRecovery()
{
    m_recovery = std::make_unique<RecoveryController>(
        m_window->document(), m_window->prompts(),
        std::make_unique<RecoveryStore>(m_dir.filePath(QStringLiteral("recovery"))));
    m_recovery->setDelays(RecoveryQuietMs, RecoveryLongestWaitMs);
    m_clock.start();
    SequenceDocument& document = m_window->document();
    connect(&document.undoStack(), &QUndoStack::indexChanged, this,
            &UiStressRun::noteDocumentState);
    connect(&document.undoStack(), &QUndoStack::cleanChanged, this,
            &UiStressRun::noteDocumentState);
    connect(&document, &SequenceDocument::captionChanged, this, &UiStressRun::noteDocumentState);
    connect(&document.settings(), &ProgramSettings::picSpeedChanged, this,
            &UiStressRun::noteDocumentState);
    connect(&document.settings(), &ProgramSettings::pcSpeedChanged, this,
            &UiStressRun::noteDocumentState);
    noteDocumentState();
}

void UiStressRun::noteDocumentState()
{
    const SequenceDocument& document = m_window->document();
    const qint64 now = m_clock.elapsed();
    m_had.push_back({now, {documentBytes(), document.rememberedFile(), document.caption()}});
    while (m_had.size() > 1 && m_had[1].since < now - RecoveryLagMs)
        m_had.pop_front();
}

// Once written, the copy brings back a document the user had a moment ago.
void UiStressRun::checkRecoveryCopy()
{
    const RecoveryStore& store = m_recovery->store();
    if (!QFile::exists(store.dataPath(store.ownId())))
        return;
    const RecoveryStore::Reading reading = store.read({store.ownId(), {}, {}});
    if (!reading.ok()) { // removed while it was read, after a save
        check(!QFile::exists(store.dataPath(store.ownId())),
              QStringLiteral("the recovery copy cannot be read: ") + reading.problem);
        return;
    }
    noteDocumentState();
    const RecoveryStore::Copy& copy = *reading.copy;
    check(std::any_of(m_had.begin(), m_had.end(),
                      [&copy](const Had& had) {
                          return had.copy.data == copy.data
                                 && had.copy.rememberedFile == copy.rememberedFile
                                 && had.copy.caption == copy.caption;
                      }),
          QStringLiteral("the recovery copy holds no document of the last few seconds"));
}

void UiStressRun::checkMirror()
{
    const SequenceDocument& document = m_window->document();
    const LedSequence& sequence = document.sequence();
    for (int led = 0; led < LedSequence::LedCount; ++led) {
        const QColor shown = m_window->ledLabel(led)->palette().color(QPalette::WindowText);
        check(shown == bgrToQColor(LedSequence::colorValue(sequence.ledColor(led))),
              QStringLiteral("LED label %1 shows another colour").arg(led + 1));
        check(m_window->servoControl(led)->currentIndex() == sequence.servoMode(led),
              QStringLiteral("servo list %1 shows another mode").arg(led + 1));
    }
    for (int event = 0; event < LedSequence::EventCount; ++event)
        check(sequence.mem(event) == QString::number(sequence.eventValue(event)),
              QStringLiteral("the value text of event %1 is stale").arg(event));
    check(m_window->timeAxis()->markedEvent() == sequence.lastEvent(),
          QStringLiteral("the time axis marks another last event"));
    check(m_window->windowTitle() == document.caption(),
          QStringLiteral("the caption is not the document's"));
    checkGridCells();
}

void UiStressRun::checkGridCells()
{
    SequenceGrid* grid = m_window->grid();
    const QImage image = grid->grab().toImage();
    const qreal scale = image.devicePixelRatio();
    const QColor lit = grid->palette().color(QPalette::Text);
    const QColor face = grid->palette().color(QPalette::Base);
    const LedSequence& sequence = m_window->document().sequence();
    for (int row = 0; row < LedSequence::LedCount; ++row) {
        for (int column = 0; column < LedSequence::EventCount; ++column) {
            const QRgb pixel = image.pixel(grid->cellCenter(row, column) * scale);
            const bool shownLit = nearer(pixel, lit, face);
            check(shownLit == bool(sequence.cell(row, column)),
                  QStringLiteral("cell %1,%2 shows %3")
                      .arg(row)
                      .arg(column)
                      .arg(shownLit ? "lit" : "unlit"));
        }
    }
}

// Which commands may run follows the busy state: nothing that could disturb a
// download while it asks or sends, and no edit reaches a sequence on its way
// to the device.
void UiStressRun::checkCommandsFollowBusyState(bool downloading, bool sending)
{
    WindowUnderTest& window = *m_window;
    for (QPushButton* button : {window.testButton(), window.settingsButton(),
                                window.downloadButton(), window.openButton(), window.saveButton()})
        check(button->isEnabled() == !downloading,
              QStringLiteral("%1 is %2")
                  .arg(button->objectName(), button->isEnabled() ? "enabled" : "disabled"));
    for (QAction* action :
         {window.menuDownload(), window.menuTest(), window.menuOpen(), window.menuSave(),
          window.menuMerge(), window.menuNew(), window.menuSettings(), window.menuExit()})
        check(action->isEnabled() == !sending,
              QStringLiteral("%1 is %2")
                  .arg(action->objectName(), action->isEnabled() ? "enabled" : "disabled"));
    check(window.exitButton()->isEnabled() == !sending, QStringLiteral("Exit button state"));
    check(window.menuAbout()->isEnabled() && window.menuHowto()->isEnabled(),
          QStringLiteral("a Help command is disabled"));
    check(window.document().isReadOnly() == downloading,
          QStringLiteral("the document's read-only state does not follow the download"));
    QList<QWidget*> editors{window.grid(), window.timeAxis()};
    for (int led = 0; led < LedSequence::LedCount; ++led)
        editors << window.ledLabel(led) << window.rowOptionsButton(led) << window.servoControl(led);
    for (QWidget* editor : editors)
        check(editor->isEnabled() == !downloading,
              QStringLiteral("edit control %1 is %2")
                  .arg(editor->objectName(), editor->isEnabled() ? "enabled" : "disabled"));
    const QUndoStack& stack = window.document().undoStack();
    check(window.undoAction()->isEnabled() == (!downloading && stack.canUndo()),
          QStringLiteral("Undo's state"));
    check(window.redoAction()->isEnabled() == (!downloading && stack.canRedo()),
          QStringLiteral("Redo's state"));
    check(!window.downloadLabel()->isVisible() || sending,
          QStringLiteral("the download label shows with no download sending"));
    // The Settings button gives its place to the download's progress and to
    // the servo stick.
    check(!(sending && window.settingsButton()->isVisible()),
          QStringLiteral("the Settings button shows while sending"));
    check(!(window.settingsButton()->isVisible() && window.servoStick()->isVisible()),
          QStringLiteral("the Settings button and the servo stick show in one place"));
    if (SettingsDialog* dialog = window.settingsCommand()->loadedDialog())
        check(dialog->okButton()->isEnabled() == !sending,
              QStringLiteral("the settings dialog's OK does not follow the download"));
}

void UiStressRun::checkNothingLeftOpen()
{
    // Every question goes through the prompts: a real dialog would wait for
    // a user who is not there.
    for (QWidget* widget : QApplication::topLevelWidgets())
        check(!(qobject_cast<QDialog*>(widget) && widget->isVisible()),
              QStringLiteral("a dialog is open outside the prompts: ")
                  + widget->metaObject()->className());
}

void UiStressRun::checkOddFilesIntact()
{
    const QDir dir(m_dir.path());
    check(kindAt(dir.filePath(QStringLiteral("fifo.dat"))) == S_IFIFO,
          QStringLiteral("the pipe was replaced"));
    check(kindAt(dir.filePath(QStringLiteral("loop.dat"))) == S_IFLNK,
          QStringLiteral("the looping link was replaced"));
    check(kindAt(dir.filePath(QStringLiteral("link.dat"))) == S_IFLNK,
          QStringLiteral("the link to a file was replaced"));
    check(kindAt(dir.filePath(QStringLiteral("folder.dat"))) == S_IFDIR,
          QStringLiteral("the folder was replaced"));
    if (m_hasDeviceNode)
        check(kindAt(dir.filePath(QStringLiteral("device.dat"))) == S_IFCHR,
              QStringLiteral("the device node was replaced"));
}

QString UiStressRun::devicePath()
{
    if (!m_device) {
        DownloadReceiver::Options options;
        // Some devices hang up part-way, as an unplugged cable does.
        m_deviceHangsUp = chance(0.25);
        if (m_deviceHangsUp)
            options.hangUpAfter = pick(DownloadStream::RecordCount);
        m_device = std::make_unique<VirtualDevice>(options);
        m_device->start();
    }
    return m_device->path();
}

void UiStressRun::onDownloadQuestion()
{
    check(!m_downloadOpen, QStringLiteral("a second download started while one was going on"));
    m_downloadOpen = true;
    check(m_window->busyState().activity() == Activity::DownloadAsking,
          QStringLiteral("the download asks without the busy state saying so"));
    checkCommandsFollowBusyState(true, false);
    // A hand on the window while the question is open changes nothing, and
    // closing the window waits for the answer.
    const QByteArray before = documentBytes();
    const int row = pick(LedSequence::LedCount);
    const int column = pick(LedSequence::EventCount);
    click(m_window->grid(), m_window->grid()->cellCenter(row, column));
    QTest::keyClick(m_window->grid(), Qt::Key_Space);
    note(QStringLiteral("    while asked: click cell %1,%2, Space").arg(row).arg(column));
    if (chance(0.2)) {
        note(QStringLiteral("    while asked: close the window"));
        check(!m_window->close() && m_window->isVisible(),
              QStringLiteral("the window closed while the download asked"));
    }
    check(documentBytes() == before, QStringLiteral("an edit got in while the download asked"));
}

void UiStressRun::onDownloadEnded(DownloadCommand::Outcome outcome)
{
    const bool confirmed = m_stream.has_value();
    const QByteArray expected = m_stream.value_or(QByteArray());
    m_stream.reset();
    m_downloadOpen = false;
    if (!m_device) {
        check(false, QStringLiteral("a download ended with no device"));
        return;
    }
    m_device->stop();
    const QByteArray received = m_device->finish().bytes;
    m_device.reset();
    if (confirmed)
        ++m_downloads;
    note(QStringLiteral("    download ended: %1, device got %2 bytes%3")
             .arg(QString::fromLatin1(QMetaEnum::fromType<DownloadCommand::Outcome>().valueToKey(
                 static_cast<int>(outcome))))
             .arg(received.size())
             .arg(m_deviceHangsUp ? QStringLiteral(" (device hangs up)") : QString()));
    switch (outcome) {
    case DownloadCommand::Outcome::Completed:
        ++m_completed;
        check(confirmed && received == expected,
              QStringLiteral("the device did not get exactly the sequence at OK"));
        break;
    case DownloadCommand::Outcome::Failed:
        ++m_failed;
        check(m_deviceHangsUp, QStringLiteral("a download failed on a line that held"));
        check(isPrefixOf(received, expected),
              QStringLiteral("a broken download sent something else than the sequence at OK"));
        break;
    case DownloadCommand::Outcome::Abandoned:
        check(isPrefixOf(received, expected),
              QStringLiteral("a stopped download sent something else than the sequence at OK"));
        break;
    case DownloadCommand::Outcome::Cancelled:
        check(received.isEmpty(), QStringLiteral("a cancelled download sent something"));
        break;
    case DownloadCommand::Outcome::NotOpened:
        check(false, QStringLiteral("the virtual device could not be opened"));
        break;
    }
}

// A download still going on is let finish, so that it is checked too.
void UiStressRun::finishDownloads()
{
    note(QStringLiteral("end: let a running download finish"));
    constexpr int DownloadEndsWithinMs = 20000;
    const bool ended =
        QTest::qWaitFor([this] { return !m_stream.has_value(); }, DownloadEndsWithinMs);
    check(ended, QStringLiteral("a download never ended"));
    if (m_failure.isEmpty() && !m_programEnded)
        checkInvariants();
}

QByteArray UiStressRun::documentBytes() const
{
    const SequenceDocument& document = m_window->document();
    return SequenceFileWriter::encode(
        SequenceFile::capture(document.sequence(), document.settings()));
}

int UiStressRun::pick(int count)
{
    return count <= 1 ? 0 : int(m_random() % quint64(count));
}

bool UiStressRun::chance(double probability)
{
    return std::uniform_real_distribution<double>(0.0, 1.0)(m_random) < probability;
}

void UiStressRun::note(const QString& line)
{
    m_log << line;
}
