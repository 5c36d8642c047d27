#include "app/filemenu.h"

#include "app/filehistory.h"
#include "app/showpage.h"
#include "core/version.h"
#include "show/showdocument.h"
#include "show/showfile.h"
#include "widgets/dialogs/feedback.h"
#include "widgets/dialogs/userdialogs.h"

#include <QAction>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QFontMetrics>
#include <QMainWindow>
#include <QMenu>
#include <QMimeData>
#include <QTabWidget>
#include <QUrl>

#include <optional>

namespace {

// The local files among a drag's URLs, with the kind each one's header names.
QList<std::pair<QString, Show::Kind>> droppedShowFiles(const QMimeData *data)
{
    QList<std::pair<QString, Show::Kind>> files;
    if (!data || !data->hasUrls())
        return files;
    for (const QUrl &url : data->urls()) {
        if (!url.isLocalFile())
            continue;
        const QString path = url.toLocalFile();
        if (const std::optional<Show::Kind> kind = Show::fileKind(path))
            files.append({path, *kind});
    }
    return files;
}

} // namespace

FileMenu::FileMenu(QMenu *menu, QAction *before, QTabWidget *tabs, QList<ShowPage *> pages,
                   std::function<UserDialogs &()> dialogs, Feedback &feedback, QMainWindow *window)
    : QObject(window)
    , tabs(tabs)
    , pages(std::move(pages))
    , dialogs(std::move(dialogs))
    , feedback(feedback)
    , window(window)
{
    // The entries belong to the window, like the form's actions, so their
    // keys work wherever the focus is.
    auto *openAction = new QAction(tr("&Open…"), window);
    openAction->setObjectName(QStringLiteral("actionOpen"));
    openAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    connect(openAction, &QAction::triggered, this, &FileMenu::chooseAndOpen);

    recentMenu = new QMenu(tr("&Recent Files"), menu);
    recentMenu->setObjectName(QStringLiteral("menuRecentFiles"));
    // A shortened entry shows its whole path as its tool tip.
    recentMenu->setToolTipsVisible(true);

    saveAction = new QAction(tr("&Save"), window);
    saveAction->setObjectName(QStringLiteral("actionSave"));
    saveAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    connect(saveAction, &QAction::triggered, this, [this] {
        if (ShowPage *page = currentPage())
            page->save();
    });
    saveAsAction = new QAction(tr("Save &As…"), window);
    saveAsAction->setObjectName(QStringLiteral("actionSaveAs"));
    saveAsAction->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    connect(saveAsAction, &QAction::triggered, this, [this] {
        if (ShowPage *page = currentPage())
            page->saveAs();
    });
    window->addActions({openAction, saveAction, saveAsAction});

    menu->insertAction(before, openAction);
    menu->insertMenu(before, recentMenu);
    menu->insertAction(before, saveAction);
    menu->insertAction(before, saveAsAction);
    menu->insertSeparator(before);
    // The list may have changed in another window of this program, or in
    // this one's other tab.
    connect(menu, &QMenu::aboutToShow, this, &FileMenu::fillRecentFiles);
    fillRecentFiles();

    window->setAcceptDrops(true);
    window->installEventFilter(this);
    connect(tabs, &QTabWidget::currentChanged, this, [this] {
        update();
        updateTitle();
    });
    update();
}

void FileMenu::bind(Show::ShowDocument &shown)
{
    if (document)
        document->disconnect(this);
    document = &shown;
    connect(&shown, &Show::ShowDocument::modifiedChanged, this, &FileMenu::updateTitle);
    connect(&shown, &Show::ShowDocument::fileNameChanged, this, &FileMenu::updateTitle);
    updateTitle();
}

ShowPage *FileMenu::currentPage() const
{
    for (ShowPage *page : pages) {
        if (tabs->currentWidget() == page->tab())
            return page;
    }
    return nullptr;
}

void FileMenu::update()
{
    const ShowPage *page = currentPage();
    const bool enabled = page && !page->jobRunning();
    saveAction->setEnabled(enabled);
    saveAsAction->setEnabled(enabled);
}

// "chase.pgm[*] – Lc420 ver. 1.03" once the current tab's table has a file;
// until then, and on the Settings tab, "Lc420 ver. 1.03". Qt's modified mark
// appears only while something is unsaved, so the title reads exactly so
// otherwise.
void FileMenu::updateTitle()
{
    if (!document)
        return;
    const QString version = tr("Lc420 ver. ") + QLatin1String(Lc420::version);
    const bool modified = document->isModified();
    const QString mark = modified ? QStringLiteral("[*]") : QString();
    const ShowPage *page = currentPage();
    QString name = page ? QFileInfo(document->fileName(page->kind())).fileName() : QString();
    // A "[*]" of the file's own name is shown as it stands.
    name.replace(QLatin1String("[*]"), QLatin1String("[*][*]"));
    window->setWindowTitle(name.isEmpty() ? version + mark
                                          : name + mark + QStringLiteral(" – ") + version);
    window->setWindowModified(modified);
}

void FileMenu::chooseAndOpen()
{
    // The folder of the current tab's file, else the one last used for its
    // kind, else that of the file opened last.
    QString start;
    if (const ShowPage *page = currentPage()) {
        start = document ? document->fileName(page->kind()) : QString();
        if (start.isEmpty())
            start = FileHistory::folder(page->kind());
    }
    if (start.isEmpty() && !FileHistory::recentFiles().isEmpty())
        start = QFileInfo(FileHistory::recentFiles().constFirst()).absolutePath();
    const QString fileName = dialogs().getOpenFileName(
        window, tr("Open Programs or Scenes File"), start.isEmpty() ? QStringLiteral(".") : start,
        tr("Programs and Scenes Files (*.pgm *.scn);;All Files (*)"));
    if (!fileName.isEmpty())
        open(fileName);
}

bool FileMenu::open(const QString &fileName)
{
    ShowPage *page = currentPage();
    if (const std::optional<Show::Kind> kind = Show::fileKind(fileName)) {
        for (ShowPage *candidate : pages) {
            if (candidate->kind() == *kind)
                page = candidate;
        }
        tabs->setCurrentWidget(page->tab());
    }
    if (!page)
        page = pages.constFirst();
    const bool opened = page->open(fileName);
    // A file that has gone leaves the list; one that is damaged stays, to be
    // mended and opened again.
    if (!opened && !QFileInfo::exists(fileName)) {
        FileHistory::forget(QFileInfo(fileName).absoluteFilePath());
        reportSettingsProblem();
    }
    return opened;
}

void FileMenu::fillRecentFiles()
{
    recentMenu->clear();
    const QStringList files = FileHistory::recentFiles();
    const QFontMetrics metrics(recentMenu->font());
    const int width = metrics.averageCharWidth() * MaxEntryChars;
    for (int i = 0; i < files.size(); ++i) {
        const QString path = QDir::toNativeSeparators(files.at(i));
        // Shortened before the ampersands are doubled, so no cut falls
        // between the two.
        QString shown = metrics.elidedText(path, Qt::ElideMiddle, width);
        shown.replace(QLatin1Char('&'), QLatin1String("&&"));
        QAction *entry = recentMenu->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(shown));
        entry->setToolTip(path);
        connect(entry, &QAction::triggered, this, [this, file = files.at(i)] { open(file); });
    }
    recentMenu->menuAction()->setEnabled(!files.isEmpty());
    reportSettingsProblem();
}

void FileMenu::reportSettingsProblem()
{
    const QString problem = FileHistory::takeProblem();
    if (problem.isEmpty())
        return;
    feedback.logLine(problem);
    feedback.statusMessage(problem);
}

bool FileMenu::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != window)
        return false;
    switch (event->type()) {
    case QEvent::DragEnter: {
        auto *drag = static_cast<QDragEnterEvent *>(event);
        // The headers are read once, as the drag comes in.
        dragHoldsShowFiles = !droppedShowFiles(drag->mimeData()).isEmpty();
        if (!dragHoldsShowFiles)
            return false;
        drag->setDropAction(Qt::CopyAction);
        drag->accept();
        return true;
    }
    case QEvent::DragMove: {
        if (!dragHoldsShowFiles)
            return false;
        auto *drag = static_cast<QDragMoveEvent *>(event);
        drag->setDropAction(Qt::CopyAction);
        drag->accept();
        return true;
    }
    case QEvent::Drop: {
        auto *drop = static_cast<QDropEvent *>(event);
        const QList<std::pair<QString, Show::Kind>> files = droppedShowFiles(drop->mimeData());
        if (files.isEmpty())
            return false;
        drop->setDropAction(Qt::CopyAction);
        drop->accept();
        // Opened once the drop has ended: the source of the drag waits for
        // its answer, so no question may be asked inside it. One file of each
        // kind: a second of the same kind would only replace the first.
        QStringList toOpen;
        QList<Show::Kind> kinds;
        for (const auto &[path, kind] : files) {
            if (!kinds.contains(kind)) {
                kinds.append(kind);
                toOpen.append(path);
            }
        }
        QMetaObject::invokeMethod(
            this,
            [this, toOpen] {
                for (const QString &path : toOpen)
                    open(path);
            },
            Qt::QueuedConnection);
        return true;
    }
    default:
        return false;
    }
}
