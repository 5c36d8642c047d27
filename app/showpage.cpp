#include "app/showpage.h"

#include "app/driverindicator.h"
#include "app/filehistory.h"
#include "app/showcommands.h"
#include "core/safefile.h"
#include "show/overviewmodel.h"
#include "show/recordclipboard.h"
#include "show/showcompare.h"
#include "show/showdocument.h"
#include "show/showfile.h"
#include "show/showtransfer.h"
#include "show/stepoperations.h"
#include "usb/usblc350.h"
#include "widgets/dialogs/feedback.h"
#include "widgets/dialogs/fillstepsdialog.h"
#include "widgets/dialogs/userdialogs.h"
#include "widgets/overviewview.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QColor>
#include <QDir>
#include <QFileInfo>
#include <QSpinBox>
#include <QThread>
#include <QUndoGroup>
#include <QUndoStack>

namespace {

constexpr QLatin1String fileDirectory(".");

// The answers to a file changed on disk, as the buttons whose roles fit them:
// Overwrite throws the other program's version away.
constexpr QMessageBox::StandardButton OverwriteButton = QMessageBox::Discard;
constexpr QMessageBox::StandardButton SaveAsButton = QMessageBox::Save;

} // namespace

ShowPage::ShowPage(Show::Kind kind, Widgets widgets, Services services, QUndoGroup *undoGroup,
                   QObject *parent)
    : QObject(parent)
    , tableKind(kind)
    , widgets(std::move(widgets))
    , services(std::move(services))
    , undo(new QUndoStack(undoGroup))
{
    connect(undo, &QUndoStack::cleanChanged, this, [this](bool clean) {
        // Also called while the window is destroyed, or after its show was
        // handed over.
        if (document)
            document->setModified(tableKind, !clean);
    });
    // The overview's current column is the shown step: the step box and the
    // lamp editors follow it, and the step box moves it (showSelected).
    connect(this->widgets.overview, &OverviewView::shownColumnChanged, this, [this](int column) {
        if (column < 0 || model == nullptr)
            return;
        this->widgets.number->setValue(column + 1);
        binder->shownChanged();
    });
}

ShowPage::~ShowPage()
{
    if (job)
        job->wait();
}

void ShowPage::startJob(std::function<JobOutcome()> work,
                        std::function<void(const JobOutcome &)> done)
{
    auto outcome = std::make_shared<JobOutcome>();
    job = QThread::create([work = std::move(work), outcome, device = services.device] {
        *outcome = work();
        // Closed, so the driver monitor reads the driver's lock as the job
        // left it.
        device->disconnect();
    });
    job->setParent(this);
    widgets.tab->setEnabled(false);
    services.setBusy(true);
    connect(job, &QThread::finished, this, [this, outcome, done = std::move(done)] {
        delete std::exchange(job, nullptr);
        widgets.tab->setEnabled(true);
        // The job's report first: a close asked for meanwhile asks its own
        // question only once the report has been answered.
        done(*outcome);
        services.setBusy(false);
    });
    job->start();
}

void ShowPage::bind(Show::ShowDocument &shown)
{
    // The history belongs to the document it changed.
    undo->clear();
    delete binder;
    delete model;
    document = &shown;
    binder = new ShowBinder(
        shown, tableKind, widgets.controls, [this] { return shownRecord(); }, this);
    model = new Show::OverviewModel(&shown, tableKind, this);
    widgets.overview->setModel(model);
    // One gesture (a slider drag, a value typed, a colour chosen) is one
    // undo step.
    binder->setUndoStack(undo);
    if (shown.isModified(tableKind))
        undo->resetClean();
    showSelected();
    // A comparison with the driver holds until the table changes.
    connect(&shown, &Show::ShowDocument::recordsChanged, this, [this](Show::Kind changed) {
        if (changed == tableKind)
            forgetDifferences();
    });
    // Undo and redo bring the step they changed into view.
    connect(&shown, &Show::ShowDocument::showRecordRequested, this,
            [this](Show::Kind changed, int index) {
                if (changed == tableKind)
                    showRecord(index);
            });
    forgetDifferences();
}

void ShowPage::setLampEditors(const QList<SuperRGB *> &editors)
{
    widgets.controls.editors = editors;
    if (binder)
        binder->setEditors(editors);
}

void ShowPage::unbind()
{
    if (document)
        document->disconnect(this);
    document = nullptr;
}

int ShowPage::shownRecord() const
{
    const int column = qMax(0, widgets.overview->shownColumn());
    if (programs())
        return (widgets.program->value() - 1) * Show::StepsPerProgram + column;
    return column;
}

// The editors write every edit through at once: changing the number only
// shows another record, with nothing left to commit.
void ShowPage::showSelected()
{
    if (programs())
        model->setProgram(widgets.program->value() - 1);
    widgets.overview->setShownColumn(widgets.number->value() - 1);
    binder->shownChanged();
    markDifferences();
}

void ShowPage::showRecord(int index)
{
    if (index < 0 || index >= Show::ShowDocument::recordCount(tableKind))
        return;
    if (programs()) {
        widgets.program->setValue(index / Show::StepsPerProgram + 1);
        widgets.overview->setShownColumn(index % Show::StepsPerProgram);
    } else {
        widgets.overview->setShownColumn(index);
    }
}

// A Get leaves the table without a file: what the driver holds is not what
// the file holds, and Save must not write it there unasked.
void ShowPage::replaceTable(const QByteArray &table, TableChange change, const QString &fileName)
{
    auto *command = new TableCommand(document, tableKind, table, change);
    if (change == TableChange::Load || change == TableChange::Get)
        command->setFileName(fileName);
    undo->push(command);
    undo->setClean();
}

bool ShowPage::mayReplace()
{
    if (!document->isModified(tableKind))
        return true;
    const QString text = programs()
                             ? tr("The programs have changes that are not saved. Discard them?")
                             : tr("The scenes have changes that are not saved. Discard them?");
    return feedback().question(tr("Unsaved changes"), text,
                               QMessageBox::Discard | QMessageBox::Cancel, QMessageBox::Cancel)
           == QMessageBox::Discard;
}

QString ShowPage::failureText(const Show::TransferResult &result, Show::Direction direction,
                              Action action) const
{
    using Error = Show::TransferResult::Error;
    const Connection::Result cause{result.cause, result.serial, {}, {}, 0};
    const bool reading = direction == Show::Direction::Read;
    QStringList lines;
    if (result.error == Error::Handshake && !cause.reachedDriver()) {
        // Nothing reached a driver: the cause, what was kept, how to choose.
        const Connection::Result refused = services.device->lastResult();
        lines << Connection::describe(refused);
        if (refused.outcome == Connection::Outcome::SeveralNoneChosen)
            lines << DriverIndicator::chooseStep();
        lines << (reading ? tr("The window's programs and scenes are unchanged.")
                          : tr("Nothing was sent to the driver."));
        return lines.join(QLatin1Char('\n'));
    }
    // The handshake timed out: the words the window always had.
    if (result.error == Error::Handshake && result.cause == Connection::Outcome::TimedOut)
        return tr("USB Timeout\nCheck USB Cable");
    if (result.error == Error::Read && reading)
        lines << tr("slotUpdateProgramScene");
    else if (result.error == Error::Write)
        lines << tr("WriteExternalFlashToAddress");
    lines << Show::describe(result, tableKind, direction);
    QStringList next;
    next << (programs() ? tr("The editor still holds your programs.")
                        : tr("The editor still holds your scenes."));
    const bool locked = result.mayLeaveLocked();
    if (locked)
        next << DriverIndicator::releaseStep();
    switch (action) {
    case Action::Get:
        next << (locked ? tr("Then press Get to read again.") : tr("Press Get to read again."));
        break;
    case Action::Set:
        next << (locked ? tr("Then press Set to send again.") : tr("Press Set to send again."));
        break;
    case Action::Compare:
        next << (locked ? tr("Then compare again.") : tr("Compare again when the driver answers."));
        break;
    }
    lines << next.join(QLatin1Char(' '));
    return lines.join(QLatin1Char('\n'));
}

// After a failed read the tab goes on showing the table as it stands, the
// user's edits included.
void ShowPage::getFromDriver()
{
    if (services.refuseBusy() || !mayReplace())
        return;
    startJob(
        [device = services.device, kind = tableKind] {
            JobOutcome outcome;
            outcome.result = Show::readTable(*device, kind, outcome.table);
            return outcome;
        },
        [this](const JobOutcome &outcome) {
            if (outcome.result.error != Show::TransferResult::Error::None) {
                feedback().errorBox(
                    tr("Error"), failureText(outcome.result, Show::Direction::Read, Action::Get));
                return;
            }
            replaceTable(outcome.table, TableChange::Get);
            reportTransfer(outcome.result, Show::Direction::Read);
        });
}

void ShowPage::setInDriver()
{
    if (services.refuseBusy())
        return;
    startJob(
        [device = services.device, kind = tableKind, table = document->table(tableKind)] {
            return JobOutcome{Show::writeTable(*device, kind, table), {}};
        },
        [this](const JobOutcome &outcome) { reportWrite(outcome.result); });
}

void ShowPage::reportWrite(const Show::TransferResult &result)
{
    if (result.error != Show::TransferResult::Error::None) {
        feedback().errorBox(tr("Error"), failureText(result, Show::Direction::Write, Action::Set));
        return;
    }
    // The driver holds the table even when it could not be unlocked after
    // the write, so the table counts as sent either way.
    undo->setClean();
    reportTransfer(result, Show::Direction::Write);
}

bool ShowPage::warnIfLocked(const Show::TransferResult &result, Show::Direction direction)
{
    if (!result.mayLeaveLocked())
        return false;
    feedback().warningBox(tr("Warning"), Show::describe(result, tableKind, direction)
                                             + QLatin1Char('\n') + DriverIndicator::releaseStep());
    return true;
}

// A transfer that completed: a success goes to the status bar; a lock that
// may be left set keeps the driver's show stopped, so that gets a box with
// the way to release it.
void ShowPage::reportTransfer(const Show::TransferResult &result, Show::Direction direction)
{
    if (warnIfLocked(result, direction))
        return;
    feedback().statusMessage(Show::describe(result, tableKind, direction, result.serial));
}

void ShowPage::compareWithDriver()
{
    if (services.refuseBusy())
        return;
    startJob(
        [device = services.device, kind = tableKind] {
            JobOutcome outcome;
            outcome.result = Show::readTable(*device, kind, outcome.table);
            return outcome;
        },
        [this](const JobOutcome &outcome) {
            if (outcome.result.error != Show::TransferResult::Error::None) {
                feedback().errorBox(tr("Error"), failureText(outcome.result, Show::Direction::Read,
                                                             Action::Compare));
                return;
            }
            reportComparison(outcome.result, outcome.table);
        });
}

void ShowPage::reportComparison(const Show::TransferResult &result, const QByteArray &driverTable)
{
    warnIfLocked(result, Show::Direction::Read);
    const QList<Show::RecordDifference> found
        = Show::compareTables(tableKind, document->table(tableKind), driverTable);
    differences.clear();
    for (const Show::RecordDifference &difference : found)
        differences << difference.record;
    markDifferences();
    const QString serial = QString::fromLatin1(result.serial);
    if (found.isEmpty()) {
        feedback().statusMessage(
            programs() ? tr("Driver %1 holds exactly the programs this window shows.").arg(serial)
                       : tr("Driver %1 holds exactly the scenes this window shows.").arg(serial));
        return;
    }
    // A long list is cut: the box must fit on the screen.
    constexpr int MaxLines = 20;
    QStringList lines;
    lines << (programs() ? tr("Driver %1 holds other programs than this window. Steps that "
                              "differ: %2 (this window's values first; they are framed in red "
                              "in the overview).")
                         : tr("Driver %1 holds other scenes than this window. Scenes that "
                              "differ: %2 (this window's values first; they are framed in red "
                              "in the overview)."))
                 .arg(serial)
                 .arg(found.size());
    for (int i = 0; i < found.size() && i < MaxLines; ++i)
        lines << Show::describeDifference(tableKind, found.at(i));
    if (found.size() > MaxLines)
        lines << tr("... and %1 more.").arg(found.size() - MaxLines);
    dialogs().message(QMessageBox::Information, services.window, tr("Compare With Driver"),
                      lines.join(QLatin1Char('\n')), QMessageBox::Ok);
}

// Frames the steps that differed at the last comparison with the driver, in
// the overview of the shown program (or the scenes).
void ShowPage::markDifferences()
{
    const int first = programs() ? (widgets.program->value() - 1) * Show::StepsPerProgram : 0;
    const int count = programs() ? Show::StepsPerProgram : Show::SceneCount;
    QList<int> columns;
    for (int record : std::as_const(differences)) {
        if (record >= first && record < first + count)
            columns << record - first;
    }
    widgets.overview->setMarkedColumns(columns);
}

void ShowPage::forgetDifferences()
{
    differences.clear();
    markDifferences();
}

void ShowPage::loadFromFile()
{
    if (!mayReplace())
        return;
    const QString fileName = dialogs().getOpenFileName(
        services.window, programs() ? tr("Open Programs File") : tr("Open Scenes File"),
        fileDirectory, programs() ? tr("Programs Files (*.pgm)") : tr("Scens Files (*.scn)"));
    if (!fileName.isEmpty())
        load(fileName, false);
}

bool ShowPage::open(const QString &fileName)
{
    if (jobRunning()) {
        services.refuseBusy();
        return false;
    }
    return load(fileName, true);
}

bool ShowPage::load(const QString &fileName, bool askFirst)
{
    const Show::FileContents contents = Show::readFile(fileName, tableKind);
    if (!contents.ok()) {
        // The specified reason first, then which file and what to do.
        QString text = Show::describe(contents) + QLatin1Char('\n')
                       + Show::describe(contents, QFileInfo(fileName).fileName(), tableKind);
        if (const std::optional<Show::Kind> other = Show::otherKind(contents, tableKind))
            text += QLatin1Char(' ')
                    + (*other == Show::Kind::Scenes ? tr("Open it on the Scenes tab.")
                                                    : tr("Open it on the Programs tab."));
        feedback().errorBox(tr("File error"), text);
        return false;
    }
    if (askFirst && !mayReplace())
        return false;
    const QString path = QFileInfo(fileName).absoluteFilePath();
    replaceTable(contents.table, TableChange::Load, path);
    document->setFileStamp(path, contents.stamp);
    noteUsed(path, tr("Loaded %1.").arg(QFileInfo(fileName).fileName()));
    return true;
}

bool ShowPage::saveToFile()
{
    return saveThroughDialog(fileDirectory);
}

bool ShowPage::save()
{
    const QString fileName = document->fileName(tableKind);
    if (fileName.isEmpty())
        return saveAs();
    // The file as it was loaded or last saved here: another program's
    // changes since are not overwritten unasked.
    switch (SafeFile::changeSince(fileName, document->fileStamp(fileName))) {
    case SafeFile::Change::None:
        break;
    case SafeFile::Change::Gone:
        return writeTo(fileName, tr("Saved %1, which had been deleted since it was opened.")
                                     .arg(QFileInfo(fileName).fileName()));
    case SafeFile::Change::Changed: {
        const QString name = QDir::toNativeSeparators(fileName);
        const QString text
            = programs() ? tr("%1 was changed by another program since you opened it. Overwrite "
                              "it with the programs shown here, or save them under another name?")
                               .arg(name)
                         : tr("%1 was changed by another program since you opened it. Overwrite "
                              "it with the scenes shown here, or save them under another name?")
                               .arg(name);
        switch (feedback().question(
            tr("File changed"), text, OverwriteButton | SaveAsButton | QMessageBox::Cancel,
            QMessageBox::Cancel,
            {{OverwriteButton, tr("&Overwrite")}, {SaveAsButton, tr("Save &As…")}})) {
        case OverwriteButton:
            break;
        case SaveAsButton:
            return saveAs();
        default:
            return false;
        }
        break;
    }
    }
    return writeTo(fileName);
}

bool ShowPage::saveAs()
{
    QString start = document->fileName(tableKind);
    if (start.isEmpty())
        start = FileHistory::folder(tableKind);
    return saveThroughDialog(start.isEmpty() ? fileDirectory : start);
}

bool ShowPage::saveThroughDialog(const QString &start)
{
    QString fileName = dialogs().getSaveFileName(
        services.window, programs() ? tr("Save Programs File") : tr("Save Scenes File"), start,
        programs() ? tr("Programs Files (*.pgm)") : tr("Scens Files (*.scn)"));
    if (fileName.isEmpty())
        return false;
    // A name typed without an extension gets the table's own, or the Load
    // dialog's filter would hide the file. The dialog asked about replacing
    // the name as typed, so a file under the completed name is asked about.
    // A name that is taken by a device, a FIFO or a folder is refused as it
    // was chosen ("/dev/full" is no file to save to, whatever its suffix).
    if (QFileInfo(fileName).suffix().isEmpty() && SafeFile::cannotSaveThere(fileName).isEmpty()) {
        fileName += programs() ? QStringLiteral(".pgm") : QStringLiteral(".scn");
        if (QFileInfo::exists(fileName)
            && feedback().question(
                   tr("Save"),
                   tr("%1 already exists. Replace it?").arg(QDir::toNativeSeparators(fileName)),
                   QMessageBox::Yes | QMessageBox::Cancel, QMessageBox::Cancel)
                   != QMessageBox::Yes)
            return false;
    }
    return writeTo(fileName);
}

bool ShowPage::writeTo(const QString &fileName, const QString &done)
{
    SafeFile::Stamp stamp;
    const QString why = Show::saveFile(fileName, tableKind, document->table(tableKind), &stamp);
    if (!why.isEmpty()) {
        feedback().errorBox(tr("File error"), SafeFile::describeFailure(fileName, why));
        return false;
    }
    const QString path = QFileInfo(fileName).absoluteFilePath();
    undo->setClean();
    document->setFileName(tableKind, path);
    document->setFileStamp(path, stamp);
    noteUsed(path, done.isEmpty() ? tr("Saved %1.").arg(QFileInfo(fileName).fileName()) : done);
    return true;
}

void ShowPage::noteUsed(const QString &path, const QString &done)
{
    FileHistory::noteUsed(tableKind, path);
    // Settings that cannot be kept are told once, beside the success.
    const QString problem = FileHistory::takeProblem();
    if (!problem.isEmpty())
        feedback().logLine(problem);
    feedback().statusMessage(problem.isEmpty() ? done : done + QLatin1Char(' ') + problem);
}
