#include "ui/file_list_widget.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QHBoxLayout>
#include <QListWidget>
#include <QMimeData>
#include <QPushButton>
#include <QStyle>
#include <QUrl>
#include <QVBoxLayout>

#include <algorithm>

#include "storage/locked_file.h"

namespace {

QPushButton* smallButton(const QString& text, const char* name, QWidget* parent) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QLatin1String(name));
    button->setAutoDefault(false);  // Enter in the dialog means OK, not "+"
    button->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    // Small buttons: wide enough for the longest of the three texts.
    button->setFixedWidth(button->fontMetrics().horizontalAdvance(QStringLiteral("RAZ")) + 24);
    return button;
}
}  // namespace

QStringList droppedFilePaths(const QMimeData* mime) {
    QStringList paths;
    if (!mime || !mime->hasUrls()) return paths;
    for (const QUrl& url : mime->urls())
        if (url.isLocalFile()) paths << url.toLocalFile();
    return paths;
}

FileListWidget::FileListWidget(FileListRule rule, const QString& filter, QWidget* parent, const FileListLabels& labels)
    : QWidget(parent), rule_(std::move(rule)), filter_(filter), list_(new QListWidget(this)) {
    list_->setObjectName(QStringLiteral("list"));
    list_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    auto* add = smallButton(labels.add, "add", this);
    auto* remove = smallButton(labels.remove, "remove", this);
    auto* clearAll = smallButton(labels.clear, "clear", this);
    connect(add, &QPushButton::clicked, this, &FileListWidget::chooseFiles);
    connect(remove, &QPushButton::clicked, this, &FileListWidget::removeSelected);
    connect(clearAll, &QPushButton::clicked, this, &FileListWidget::clear);

    auto* buttons = new QVBoxLayout;
    buttons->addWidget(add);
    buttons->addWidget(remove);
    buttons->addWidget(clearAll);
    buttons->addStretch(1);
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(list_, 1);
    row->addLayout(buttons);
    takeDropsFor(this);
}

void FileListWidget::setEntries(const std::vector<std::string>& paths) {
    entries_ = paths;
    std::stable_sort(entries_.begin(), entries_.end(), rule_.before);
    showEntries(-1);
}

bool FileListWidget::addPath(const std::string& path) {
    const int at = rule_.add(entries_, path);
    if (at < 0) return false;
    showEntries(at);
    return true;
}

void FileListWidget::clear() {
    entries_.clear();
    showEntries(-1);
}

void FileListWidget::chooseFiles() {
    for (const QString& path : ::chooseFiles(window(), {FileDialogKind::OpenSeveral, filter_}))
        addPath(pathFromQt(path));
}

void FileListWidget::removeSelected() {
    const int row = list_->currentRow();
    if (row < 0 || row >= int(entries_.size()) || !list_->currentItem()->isSelected()) return;
    entries_.erase(entries_.begin() + row);
    showEntries(std::min(row, int(entries_.size()) - 1));
}

void FileListWidget::showEntries(int selected) {
    list_->clear();
    for (const std::string& p : entries_) {
        auto* item = new QListWidgetItem(pathToQt(p), list_);
        const std::string problem = fileReadProblem(p);
        if (problem.empty()) continue;
        item->setIcon(style()->standardIcon(QStyle::SP_MessageBoxWarning));
        item->setToolTip(QStringLiteral("Cannot read this file: %1").arg(QString::fromLocal8Bit(problem.c_str())));
    }
    if (selected >= 0) list_->setCurrentRow(selected);
    emit entriesChanged();
}

void FileListWidget::takeDropsFor(QWidget* target) {
    target->setAcceptDrops(true);
    target->installEventFilter(this);
    for (QWidget* child : target->findChildren<QWidget*>()) child->installEventFilter(this);
}

bool FileListWidget::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto* drag = static_cast<QDragMoveEvent*>(event);
        if (droppedFilePaths(drag->mimeData()).isEmpty()) return false;
        drag->acceptProposedAction();
        return true;
    }
    case QEvent::Drop: {
        auto* drop = static_cast<QDropEvent*>(event);
        const QStringList paths = droppedFilePaths(drop->mimeData());
        if (paths.isEmpty()) return false;
        for (const QString& path : paths) addPath(pathFromQt(path));
        drop->acceptProposedAction();
        return true;
    }
    default:
        return QWidget::eventFilter(watched, event);
    }
}
