#include "ui/file_list_widget.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QListWidget>
#include <QMimeData>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

#include <algorithm>

namespace {
QStringList openSeveralFiles(QWidget* parent, const QString& filter) {
    // The folder of the last choice, for the next one.
    static QString lastFolder;
    const QStringList chosen = QFileDialog::getOpenFileNames(parent, QString(), lastFolder, filter);
    if (!chosen.isEmpty()) lastFolder = QFileInfo(chosen.front()).absolutePath();
    return chosen;
}

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
    : QWidget(parent),
      rule_(std::move(rule)),
      filter_(filter),
      list_(new QListWidget(this)),
      chooser_(openSeveralFiles) {
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
    if (!rule_.add(entries_, path)) return false;
    const auto at = std::find(entries_.begin(), entries_.end(), path);
    showEntries(int(at - entries_.begin()));
    return true;
}

void FileListWidget::clear() {
    entries_.clear();
    showEntries(-1);
}

void FileListWidget::chooseFiles() {
    for (const QString& path : chooser_(window(), filter_)) addPath(path.toLocal8Bit().toStdString());
}

void FileListWidget::removeSelected() {
    const int row = list_->currentRow();
    if (row < 0 || row >= int(entries_.size()) || !list_->currentItem()->isSelected()) return;
    entries_.erase(entries_.begin() + row);
    showEntries(std::min(row, int(entries_.size()) - 1));
}

void FileListWidget::showEntries(int selected) {
    list_->clear();
    for (const std::string& p : entries_) list_->addItem(QString::fromLocal8Bit(p.c_str()));
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
        for (const QString& path : paths) addPath(path.toLocal8Bit().toStdString());
        drop->acceptProposedAction();
        return true;
    }
    default:
        return QWidget::eventFilter(watched, event);
    }
}
