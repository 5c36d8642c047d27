// The Programs and Scenes tabs: the editors show one record of the document,
// the buttons move whole tables between the document, the driver and files.
// The rules (record layout, ranges, transfer, file format) live in show/.

#include "app/lc460_bootloader.h"
#include "app/showbinder.h"
#include "app/showcommands.h"
#include "core/trace.h"
#include "show/overviewmodel.h"
#include "show/showcompare.h"
#include "show/showfile.h"
#include "show/showtransfer.h"
#include "ui_lc460_bootloader.h"
#include "usb/usblc350.h"
#include "widgets/overviewview.h"
#include "widgets/superrgb.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QUndoStack>

namespace {

// The driver blocks the window for the whole transfer; the cursor says so.
class WaitCursor
{
public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor &) = delete;
    WaitCursor &operator=(const WaitCursor &) = delete;
};

const QString fileDirectory = QStringLiteral(".");

} // namespace

// From construction on each tab shows its first record, and every edit goes
// straight into the document.
void Lc460_bootloader::setUpShowData()
{
    connect(ui->spinBoxProgramNumber, &QSpinBox::valueChanged, this,
            &Lc460_bootloader::slotUpdateProgramScene);
    connect(ui->spinBoxSceneNumber, &QSpinBox::valueChanged, this,
            &Lc460_bootloader::slotUpdateProgramScene);
    connect(ui->pushButtonGetProgramsFormLc460, &QPushButton::clicked, this,
            &Lc460_bootloader::slotpushButtonGetProgramsFromLc460);
    connect(ui->pushButtonSetProgramsInLc460, &QPushButton::clicked, this,
            &Lc460_bootloader::slotpushButtonSetProgramsInLc460);
    connect(ui->pushButtonGetScenesFormLc460, &QPushButton::clicked, this,
            &Lc460_bootloader::slotpushButtonGetScenesFromLc460);
    connect(ui->pushButtonSetScenesInLc460, &QPushButton::clicked, this,
            &Lc460_bootloader::slotpushButtonSetScenesInLc460);
    connect(ui->spinBoxSceneSceneNumber, &QSpinBox::valueChanged, this,
            &Lc460_bootloader::slotUpdateScene);
    connect(ui->pushButtonLoadScenesFromFile, &QPushButton::clicked, this,
            &Lc460_bootloader::slotpushButtonLoadScenesFromFile);
    connect(ui->pushButtonLoadProgramsFromFile, &QPushButton::clicked, this,
            &Lc460_bootloader::slotpushButtonLoadProgramsFromFile);
    connect(ui->pushButtonSaveScenesToFile, &QPushButton::clicked, this,
            &Lc460_bootloader::slotpushButtonSaveScenesToFile);
    connect(ui->pushButtonSaveProgramsToFile, &QPushButton::clicked, this,
            &Lc460_bootloader::slotpushButtonSaveProgramsToFile);

    connect(ui->actionCompareWithDriver, &QAction::triggered, this,
            &Lc460_bootloader::slotCompareWithDriver);
    setUpEditMenu();
    for (Show::Kind kind : {Show::Kind::Programs, Show::Kind::Scenes}) {
        connect(&undoStack(kind), &QUndoStack::cleanChanged, this, [this, kind](bool clean) {
            // Also called while the window is destroyed, or after its show was handed over.
            if (showDocument)
                showDocument->setModified(kind, !clean);
        });
        connect(&overview(kind), &OverviewView::columnActivated, this,
                [this, kind](int column) { showOverviewColumn(kind, column); });
    }
    bindDocument(std::make_unique<Show::ShowDocument>());
}

// Everything that shows or edits the show is tied to the document here, so a
// document handed over by a language switch is bound exactly like a new one.
void Lc460_bootloader::bindDocument(std::unique_ptr<Show::ShowDocument> document)
{
    // The history belongs to the document it changed.
    programUndo->clear();
    sceneUndo->clear();
    delete programBinder;
    delete sceneBinder;
    delete programOverview;
    delete sceneOverview;
    showDocument = std::move(document);

    programBinder = new ShowBinder(
        *showDocument, Show::Kind::Programs,
        {programEditors, ui->spinBoxRiseTime, ui->spinBoxStaticTime, ui->spinBoxEndMarker}, this);
    sceneBinder = new ShowBinder(
        *showDocument, Show::Kind::Scenes,
        {sceneEditors, ui->spinBoxSceneRiseTime, ui->spinBoxSceneStaticTime, nullptr}, this);
    programOverview = new Show::OverviewModel(showDocument.get(), Show::Kind::Programs, this);
    sceneOverview = new Show::OverviewModel(showDocument.get(), Show::Kind::Scenes, this);
    ui->overviewPrograms->setModel(programOverview);
    ui->overviewScenes->setModel(sceneOverview);
    for (Show::Kind kind : {Show::Kind::Programs, Show::Kind::Scenes}) {
        binder(kind).setWriter(
            [this, kind](int index, const Show::SceneRecord &record, RecordControl control) {
                undoStack(kind).push(
                    new RecordEditCommand(showDocument.get(), kind, index, control, record));
            });
        // A show handed over with unsaved changes stays unsaved, even when
        // its first edit in this window is undone.
        if (showDocument->isModified(kind))
            undoStack(kind).resetClean();
    }
    slotUpdateProgramScene(0);
    slotUpdateScene(0);
    connect(showDocument.get(), &Show::ShowDocument::modifiedChanged, this,
            &Lc460_bootloader::showModified);
    // A comparison with the driver holds until the table changes.
    const auto forgetDifferences = [this](Show::Kind kind) {
        (kind == Show::Kind::Programs ? programDifferences : sceneDifferences).clear();
        markDifferences(kind);
    };
    connect(showDocument.get(), &Show::ShowDocument::recordChanged, this, forgetDifferences);
    connect(showDocument.get(), &Show::ShowDocument::tableReset, this, forgetDifferences);
    for (Show::Kind kind : {Show::Kind::Programs, Show::Kind::Scenes})
        forgetDifferences(kind);
    showModified();
}

ShowBinder &Lc460_bootloader::binder(Show::Kind kind)
{
    return kind == Show::Kind::Programs ? *programBinder : *sceneBinder;
}

int Lc460_bootloader::selectedRecord(Show::Kind kind) const
{
    if (kind == Show::Kind::Programs)
        return (ui->spinBoxProgramNumber->value() - 1) * Show::StepsPerProgram
               + ui->spinBoxSceneNumber->value() - 1;
    return ui->spinBoxSceneSceneNumber->value() - 1;
}

// The editors write every edit through at once: changing the number only
// shows another record, with nothing left to commit.
void Lc460_bootloader::slotUpdateProgramScene(int)
{
    LC420_TRACE() << "Lc460_bootloader::slotUpdateProgramScene(int i)";
    binder(Show::Kind::Programs).showRecord(selectedRecord(Show::Kind::Programs));
    programOverview->setProgram(ui->spinBoxProgramNumber->value() - 1);
    ui->overviewPrograms->setShownColumn(ui->spinBoxSceneNumber->value() - 1);
    markDifferences(Show::Kind::Programs);
}

void Lc460_bootloader::slotUpdateScene(int)
{
    LC420_TRACE() << "Lc460_bootloader::slotUpdateScene(int i)";
    binder(Show::Kind::Scenes).showRecord(selectedRecord(Show::Kind::Scenes));
    ui->overviewScenes->setShownColumn(ui->spinBoxSceneSceneNumber->value() - 1);
}

// A column of the overview works like its number in the spin box.
void Lc460_bootloader::showOverviewColumn(Show::Kind kind, int column)
{
    (kind == Show::Kind::Programs ? ui->spinBoxSceneNumber : ui->spinBoxSceneSceneNumber)
        ->setValue(column + 1);
}

void Lc460_bootloader::replaceTable(Show::Kind kind, const QByteArray &table, TableChange change)
{
    undoStack(kind).push(new TableCommand(showDocument.get(), kind, table, change));
    undoStack(kind).setClean();
}

bool Lc460_bootloader::mayReplace(Show::Kind kind)
{
    if (!showDocument->isModified(kind))
        return true;
    const QString text = kind == Show::Kind::Programs
                             ? tr("The programs have changes that are not saved. Discard them?")
                             : tr("The scenes have changes that are not saved. Discard them?");
    return feedback().question(tr("Unsaved changes"), text,
                               QMessageBox::Discard | QMessageBox::Cancel, QMessageBox::Cancel)
           == QMessageBox::Discard;
}

void Lc460_bootloader::showTransferError(const QString &text)
{
    feedback().errorBox(tr("Error"), text);
}

std::optional<Show::TransferResult> Lc460_bootloader::readDriverTable(Show::Kind kind,
                                                                      QByteArray &table)
{
    Show::TransferResult result;
    {
        const WaitCursor wait;
        result = Show::readTable(*device, kind, table);
    }
    using Error = Show::TransferResult::Error;
    switch (result.error) {
    case Error::None:
        return result;
    case Error::Handshake:
        showTransferError(tr("USB Timeout\nCheck USB Cable"));
        break;
    case Error::Read:
        showTransferError(tr("slotUpdateProgramScene"));
        break;
    case Error::Write:
    case Error::Verify:
    case Error::Unstable:
        showTransferError(Show::describe(result, kind, Show::Direction::Read));
        break;
    }
    return std::nullopt;
}

// After a failed read the tab goes on showing the table as it stands, the
// user's edits included.
void Lc460_bootloader::getTable(Show::Kind kind)
{
    if (refuseDuringUpgrade() || !mayReplace(kind))
        return;
    QByteArray table = showDocument->table(kind);
    const std::optional<Show::TransferResult> result = readDriverTable(kind, table);
    if (!result)
        return;
    replaceTable(kind, table, TableChange::Get);
    reportTransfer(*result, kind, Show::Direction::Read);
}

void Lc460_bootloader::setTable(Show::Kind kind)
{
    if (refuseDuringUpgrade())
        return;
    Show::TransferResult result;
    {
        const WaitCursor wait;
        result = Show::writeTable(*device, kind, showDocument->table(kind));
    }
    using Error = Show::TransferResult::Error;
    if (result.error == Error::Handshake) {
        showTransferError(tr("USB Timeout\nCheck USB Cable"));
        return;
    }
    if (result.error == Error::Write) {
        showTransferError(tr("WriteExternalFlashToAddress"));
        return;
    }
    // The read-back after the write failed or differed.
    if (result.error != Error::None) {
        showTransferError(Show::describe(result, kind, Show::Direction::Write));
        return;
    }
    // The driver holds the table even when it could not be unlocked after
    // the write, so the table counts as sent either way.
    undoStack(kind).setClean();
    reportTransfer(result, kind, Show::Direction::Write);
}

// A transfer that completed: a success goes to the status bar; a lock that
// could not be released afterwards leaves the driver unusable until it is
// plugged in again, so that gets a box.
void Lc460_bootloader::reportTransfer(const Show::TransferResult &result, Show::Kind kind,
                                      Show::Direction direction)
{
    if (!result.released) {
        feedback().warningBox(tr("Warning"), Show::describe(result, kind, direction));
        return;
    }
    // The device stays open after a transfer; its serial needs no connect.
    feedback().statusMessage(Show::describe(result, kind, direction, device->read_serial_string()));
}

// Reads the driver's table without replacing the window's, and shows where
// the two differ: a box with one line per differing step or scene, and a
// frame around each of them in the overview.
void Lc460_bootloader::slotCompareWithDriver(bool)
{
    const std::optional<Show::Kind> shown = editedKind();
    if (!shown || refuseDuringUpgrade())
        return;
    const Show::Kind kind = *shown;
    QByteArray driverTable;
    const std::optional<Show::TransferResult> result = readDriverTable(kind, driverTable);
    if (!result)
        return;
    if (!result->released)
        feedback().warningBox(tr("Warning"), Show::describe(*result, kind, Show::Direction::Read));
    const bool programs = kind == Show::Kind::Programs;
    const QList<Show::RecordDifference> differences
        = Show::compareTables(kind, showDocument->table(kind), driverTable);
    QList<int> &marked = programs ? programDifferences : sceneDifferences;
    marked.clear();
    for (const Show::RecordDifference &difference : differences)
        marked << difference.record;
    markDifferences(kind);
    const QString serial = QString::fromLatin1(device->read_serial_string());
    if (differences.isEmpty()) {
        feedback().statusMessage(
            programs ? tr("Driver %1 holds exactly the programs this window shows.").arg(serial)
                     : tr("Driver %1 holds exactly the scenes this window shows.").arg(serial));
        return;
    }
    // A long list is cut: the box must fit on the screen.
    constexpr int MaxLines = 20;
    QStringList lines;
    lines << (programs ? tr("Driver %1 holds other programs than this window. Steps that "
                            "differ: %2 (this window's values first; they are framed in red "
                            "in the overview).")
                       : tr("Driver %1 holds other scenes than this window. Scenes that "
                            "differ: %2 (this window's values first; they are framed in red "
                            "in the overview)."))
                 .arg(serial)
                 .arg(differences.size());
    for (int i = 0; i < differences.size() && i < MaxLines; ++i)
        lines << Show::describeDifference(kind, differences.at(i));
    if (differences.size() > MaxLines)
        lines << tr("... and %1 more.").arg(differences.size() - MaxLines);
    dialogs().message(QMessageBox::Information, this, tr("Compare With Driver"),
                      lines.join(QLatin1Char('\n')), QMessageBox::Ok);
}

void Lc460_bootloader::markDifferences(Show::Kind kind)
{
    const bool programs = kind == Show::Kind::Programs;
    const int first
        = programs ? (ui->spinBoxProgramNumber->value() - 1) * Show::StepsPerProgram : 0;
    const int count = programs ? Show::StepsPerProgram : Show::SceneCount;
    QList<int> columns;
    for (int record : std::as_const(programs ? programDifferences : sceneDifferences)) {
        if (record >= first && record < first + count)
            columns << record - first;
    }
    overview(kind).setMarkedColumns(columns);
}

void Lc460_bootloader::slotpushButtonGetProgramsFromLc460(bool)
{
    LC420_TRACE() << " Lc460_bootloader::slotpushButtonGetProgramsFromLc460(bool t)";
    getTable(Show::Kind::Programs);
}

void Lc460_bootloader::slotpushButtonSetProgramsInLc460(bool)
{
    LC420_TRACE() << " Lc460_bootloader::slotpushButtonSetProgramsInLc460(bool t)";
    setTable(Show::Kind::Programs);
}

void Lc460_bootloader::slotpushButtonGetScenesFromLc460(bool)
{
    LC420_TRACE() << "Lc460_bootloader::slotpushButtonGetScenesFromLc460(bool t)";
    getTable(Show::Kind::Scenes);
}

void Lc460_bootloader::slotpushButtonSetScenesInLc460(bool)
{
    LC420_TRACE() << "Lc460_bootloader::slotpushButtonSetScenesInLc460(bool t)";
    setTable(Show::Kind::Scenes);
}

void Lc460_bootloader::loadTable(Show::Kind kind)
{
    if (!mayReplace(kind))
        return;
    const bool programs = kind == Show::Kind::Programs;
    const QString fileName = dialogs().getOpenFileName(
        this, programs ? tr("Open Programs File") : tr("Open Scenes File"), fileDirectory,
        programs ? tr("Programs Files (*.pgm)") : tr("Scens Files (*.scn)"));
    if (fileName.isEmpty())
        return;
    const Show::FileContents contents = Show::readFile(fileName, kind);
    if (!contents.ok()) {
        feedback().errorBox(tr("File error"),
                            Show::describe(contents) + QLatin1Char('\n')
                                + Show::describe(contents, QFileInfo(fileName).fileName(), kind));
        return;
    }
    replaceTable(kind, contents.table, TableChange::Load);
    feedback().statusMessage(tr("Loaded %1.").arg(QFileInfo(fileName).fileName()));
}

bool Lc460_bootloader::saveTable(Show::Kind kind)
{
    const bool programs = kind == Show::Kind::Programs;
    QString fileName = dialogs().getSaveFileName(
        this, programs ? tr("Save Programs File") : tr("Save Scenes File"), fileDirectory,
        programs ? tr("Programs Files (*.pgm)") : tr("Scens Files (*.scn)"));
    if (fileName.isEmpty())
        return false;
    // A name typed without an extension gets the table's own, or the Load
    // dialog's filter would hide the file. The dialog asked about replacing
    // the name as typed, so a file under the completed name is asked about.
    if (QFileInfo(fileName).suffix().isEmpty()) {
        fileName += programs ? QStringLiteral(".pgm") : QStringLiteral(".scn");
        if (QFileInfo::exists(fileName)
            && feedback().question(
                   tr("Save"),
                   tr("%1 already exists. Replace it?").arg(QDir::toNativeSeparators(fileName)),
                   QMessageBox::Yes | QMessageBox::Cancel, QMessageBox::Cancel)
                   != QMessageBox::Yes)
            return false;
    }
    const QString why = Show::saveFile(fileName, kind, showDocument->table(kind));
    if (!why.isEmpty()) {
        feedback().errorBox(
            tr("File error"),
            tr("Cannot write %1:\n%2").arg(QDir::toNativeSeparators(fileName), why));
        return false;
    }
    undoStack(kind).setClean();
    feedback().statusMessage(tr("Saved %1.").arg(QFileInfo(fileName).fileName()));
    return true;
}

void Lc460_bootloader::slotpushButtonLoadScenesFromFile(bool)
{
    LC420_TRACE() << "Lc460_bootloader::slotpushButtonLoadScenesFromFile(bool t)";
    loadTable(Show::Kind::Scenes);
}

void Lc460_bootloader::slotpushButtonLoadProgramsFromFile(bool)
{
    LC420_TRACE() << "Lc460_bootloader::slotpushButtonLoadProgramsFromFile(bool t)";
    loadTable(Show::Kind::Programs);
}

void Lc460_bootloader::slotpushButtonSaveScenesToFile(bool)
{
    LC420_TRACE() << "Lc460_bootloader::slotpushButtonSaveScenesToFile(bool t)";
    saveTable(Show::Kind::Scenes);
}

void Lc460_bootloader::slotpushButtonSaveProgramsToFile(bool)
{
    LC420_TRACE() << "Lc460_bootloader::slotpushButtonSaveProgramsToFile(bool t)";
    saveTable(Show::Kind::Programs);
}

// The title carries Qt's modified mark only while something is unsaved, so
// it reads exactly "Lc420 ver. 1.03" otherwise.
void Lc460_bootloader::showModified()
{
    const bool modified = showDocument->isModified();
    setWindowTitle(modified ? versionTitle() + QStringLiteral("[*]") : versionTitle());
    setWindowModified(modified);
}
