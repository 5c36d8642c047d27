// The Programs and Scenes tabs: the editors show one record of a table, the
// buttons move whole tables between the window, the driver and files. The
// rules (record layout, ranges, transfer, file format) live in show/.

#include "app/lc460_bootloader.h"
#include "core/trace.h"
#include "show/showfile.h"
#include "show/showtransfer.h"
#include "ui_lc460_bootloader.h"
#include "usb/usblc350.h"
#include "widgets/superrgb.h"

#include <QApplication>
#include <QDir>
#include <QScopedValueRollback>

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

QByteArray &Lc460_bootloader::table(Show::Kind kind)
{
    return kind == Show::Kind::Programs ? programTable : sceneTable;
}

// From construction on each tab shows its first record as loaded, so edits
// made before any change of number are committed like all others.
void Lc460_bootloader::setUpShowData()
{
    programTable = QByteArray(Show::ProgramTableSize, '\0');
    sceneTable = QByteArray(Show::SceneTableSize, '\0');

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

    // Any edit the user makes marks the table changed; loading a record does not.
    const auto programEdited = [this] { markShowChanged(Show::Kind::Programs); };
    const auto sceneEdited = [this] { markShowChanged(Show::Kind::Scenes); };
    for (SuperRGB *editor : programEditors)
        connect(editor, &SuperRGB::colorChanged, this, programEdited);
    for (SuperRGB *editor : sceneEditors)
        connect(editor, &SuperRGB::colorChanged, this, sceneEdited);
    for (QSpinBox *box : {ui->spinBoxRiseTime, ui->spinBoxStaticTime, ui->spinBoxEndMarker})
        connect(box, &QSpinBox::valueChanged, this, programEdited);
    for (QSpinBox *box : {ui->spinBoxSceneRiseTime, ui->spinBoxSceneStaticTime})
        connect(box, &QSpinBox::valueChanged, this, sceneEdited);

    showRecord(Show::Kind::Programs, 0);
    shownProgram = 0;
    shownProgramScene = 0;
    showRecord(Show::Kind::Scenes, 0);
    shownScene = 0;
}

int Lc460_bootloader::selectedRecordOffset(Show::Kind kind) const
{
    if (kind == Show::Kind::Programs)
        return Show::programRecordOffset(ui->spinBoxProgramNumber->value() - 1,
                                         ui->spinBoxSceneNumber->value() - 1);
    return Show::sceneRecordOffset(ui->spinBoxSceneSceneNumber->value() - 1);
}

void Lc460_bootloader::commitRecord(Show::Kind kind, int offset)
{
    const bool programs = kind == Show::Kind::Programs;
    const QList<SuperRGB *> &editors = programs ? programEditors : sceneEditors;
    Show::EditorValues values;
    for (int lamp = 0; lamp < Show::LampCount && lamp < editors.size(); ++lamp) {
        const QColor colour = editors.at(lamp)->color();
        values.lamps[lamp] = {quint8(colour.red()), quint8(colour.green()), quint8(colour.blue())};
    }
    values.riseTime = (programs ? ui->spinBoxRiseTime : ui->spinBoxSceneRiseTime)->value();
    values.staticTime = (programs ? ui->spinBoxStaticTime : ui->spinBoxSceneStaticTime)->value();
    values.endMarker = ui->spinBoxEndMarker->value();

    Show::SceneRecord record = Show::recordAt(table(kind), offset);
    Show::commitEditorValues(record, values, kind);
    Show::setRecordAt(table(kind), offset, record);
}

void Lc460_bootloader::showRecord(Show::Kind kind, int offset)
{
    const bool programs = kind == Show::Kind::Programs;
    const Show::EditorValues values = Show::editorValues(Show::recordAt(table(kind), offset));
    const QScopedValueRollback<bool> loading(loadingRecord, true);
    (programs ? ui->spinBoxRiseTime : ui->spinBoxSceneRiseTime)->setValue(values.riseTime);
    (programs ? ui->spinBoxStaticTime : ui->spinBoxSceneStaticTime)->setValue(values.staticTime);
    if (programs)
        ui->spinBoxEndMarker->setValue(values.endMarker);
    const QList<SuperRGB *> &editors = programs ? programEditors : sceneEditors;
    for (int lamp = 0; lamp < Show::LampCount && lamp < editors.size(); ++lamp) {
        editors.at(lamp)->setRedColor(values.lamps[lamp].red);
        editors.at(lamp)->setGreenColor(values.lamps[lamp].green);
        editors.at(lamp)->setBlueColor(values.lamps[lamp].blue);
    }
}

void Lc460_bootloader::commitShownProgramStep()
{
    commitRecord(Show::Kind::Programs, selectedRecordOffset(Show::Kind::Programs));
}

void Lc460_bootloader::commitShownScene()
{
    commitRecord(Show::Kind::Scenes, selectedRecordOffset(Show::Kind::Scenes));
}

void Lc460_bootloader::slotUpdateProgramScene(int)
{
    LC420_TRACE() << "Lc460_bootloader::slotUpdateProgramScene(int i)";
    const int program = ui->spinBoxProgramNumber->value() - 1;
    const int step = ui->spinBoxSceneNumber->value() - 1;
    if (shownProgram != -1 && shownProgramScene != -1
        && (program != shownProgram || step != shownProgramScene))
        commitRecord(Show::Kind::Programs,
                     Show::programRecordOffset(shownProgram, shownProgramScene));
    showRecord(Show::Kind::Programs, Show::programRecordOffset(program, step));
    shownProgram = program;
    shownProgramScene = step;
}

void Lc460_bootloader::slotUpdateScene(int)
{
    LC420_TRACE() << "Lc460_bootloader::slotUpdateScene(int i)";
    const int scene = ui->spinBoxSceneSceneNumber->value() - 1;
    if (shownScene != -1 && scene != shownScene)
        commitRecord(Show::Kind::Scenes, Show::sceneRecordOffset(shownScene));
    showRecord(Show::Kind::Scenes, Show::sceneRecordOffset(scene));
    shownScene = scene;
}

void Lc460_bootloader::reloadShownRecord(Show::Kind kind)
{
    if (kind == Show::Kind::Programs)
        slotUpdateProgramScene(0);
    else
        slotUpdateScene(0);
}

void Lc460_bootloader::showTransferError(const QString &text)
{
    dialogs().message(QMessageBox::Critical, this, tr("Error"), text, QMessageBox::Ok);
}

void Lc460_bootloader::getTable(Show::Kind kind)
{
    if (refuseDuringUpgrade())
        return;
    Show::TransferResult result;
    {
        const WaitCursor wait;
        result = Show::readTable(*device, kind, table(kind));
    }
    using Error = Show::TransferResult::Error;
    if (result.error == Error::Handshake) {
        showTransferError(tr("USB Timeout\nCheck USB Cable"));
        return;
    }
    if (result.error == Error::Read)
        showTransferError(tr("slotUpdateProgramScene"));
    else
        setShowChanged(kind, false);
    // After a failed read too: the tab shows the table as it stands.
    reloadShownRecord(kind);
}

void Lc460_bootloader::setTable(Show::Kind kind)
{
    if (refuseDuringUpgrade())
        return;
    Show::TransferResult result;
    {
        const WaitCursor wait;
        result = Show::writeTable(*device, kind, table(kind), [this, kind] {
            kind == Show::Kind::Programs ? commitShownProgramStep() : commitShownScene();
        });
    }
    using Error = Show::TransferResult::Error;
    if (result.error == Error::Handshake)
        showTransferError(tr("USB Timeout\nCheck USB Cable"));
    else if (result.error == Error::Write)
        showTransferError(tr("WriteExternalFlashToAddress"));
    else
        setShowChanged(kind, false);
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
    const bool programs = kind == Show::Kind::Programs;
    const QString fileName = dialogs().getOpenFileName(
        this, programs ? tr("Open Programs File") : tr("Open Scenes File"), fileDirectory,
        programs ? tr("Programs Files (*.pgm)") : tr("Scens Files (*.scn)"));
    if (fileName.isEmpty())
        return;
    const Show::FileContents contents = Show::readFile(fileName, kind);
    using Error = Show::FileContents::Error;
    QString problem;
    switch (contents.error) {
    case Error::None:
        break;
    case Error::Unreadable: // an unreadable file reads as an empty header
    case Error::WrongHeader:
        problem = tr("Wrong file header");
        break;
    case Error::WrongVersion:
        problem = tr("Wrong version");
        break;
    case Error::WrongLength:
        problem = tr("Wrong file length");
        break;
    }
    if (!problem.isEmpty()) {
        dialogs().message(QMessageBox::Critical, this, tr("File error"), problem, QMessageBox::Ok);
        return;
    }
    table(kind) = contents.table;
    setShowChanged(kind, false);
    reloadShownRecord(kind);
}

// The shown record is committed first, so the file holds what the user sees.
void Lc460_bootloader::saveTable(Show::Kind kind)
{
    const bool programs = kind == Show::Kind::Programs;
    const QString fileName = dialogs().getSaveFileName(
        this, programs ? tr("Save Programs File") : tr("Save Scenes File"), fileDirectory,
        programs ? tr("Programs Files (*.pgm)") : tr("Scens Files (*.scn)"));
    if (fileName.isEmpty())
        return;
    programs ? commitShownProgramStep() : commitShownScene();
    const QString why = Show::saveFile(fileName, kind, table(kind));
    if (!why.isEmpty()) {
        dialogs().message(QMessageBox::Critical, this, tr("File error"),
                          tr("Cannot write %1:\n%2").arg(QDir::toNativeSeparators(fileName), why),
                          QMessageBox::Ok);
        return;
    }
    setShowChanged(kind, false);
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

void Lc460_bootloader::markShowChanged(Show::Kind kind)
{
    if (!loadingRecord)
        setShowChanged(kind, true);
}

// The title carries Qt's modified mark only while something is unsaved, so
// it reads exactly "Lc420 ver. 1.03" otherwise.
void Lc460_bootloader::setShowChanged(Show::Kind kind, bool changed)
{
    (kind == Show::Kind::Programs ? programsChanged : scenesChanged) = changed;
    const bool modified = showChanged();
    setWindowTitle(modified ? versionTitle() + QStringLiteral("[*]") : versionTitle());
    setWindowModified(modified);
}

bool Lc460_bootloader::showChanged() const
{
    return programsChanged || scenesChanged;
}

Lc460_bootloader::ShowState Lc460_bootloader::takeShowState()
{
    commitShownProgramStep();
    commitShownScene();
    return {programTable,
            sceneTable,
            ui->spinBoxProgramNumber->value(),
            ui->spinBoxSceneNumber->value(),
            ui->spinBoxSceneSceneNumber->value(),
            programsChanged,
            scenesChanged};
}

void Lc460_bootloader::restoreShowState(const ShowState &state)
{
    if (state.programTable.size() == Show::ProgramTableSize)
        programTable = state.programTable;
    if (state.sceneTable.size() == Show::SceneTableSize)
        sceneTable = state.sceneTable;
    // The numbers change without a commit: the editors still show the
    // empty first records, which must not overwrite the carried ones.
    for (auto [box, value] : {std::pair{ui->spinBoxProgramNumber, state.programNumber},
                              std::pair{ui->spinBoxSceneNumber, state.stepNumber},
                              std::pair{ui->spinBoxSceneSceneNumber, state.sceneNumber}}) {
        const QSignalBlocker blocker(box);
        box->setValue(value);
    }
    shownProgram = -1;
    shownScene = -1;
    slotUpdateProgramScene(0);
    slotUpdateScene(0);
    setShowChanged(Show::Kind::Programs, state.programsChanged);
    setShowChanged(Show::Kind::Scenes, state.scenesChanged);
}
