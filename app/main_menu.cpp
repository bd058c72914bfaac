#include "app/main_menu.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include <map>

namespace {
// The menu at a path of menu titles, made on first use below its parent.
class MenuTree {
public:
    explicit MenuTree(QMenuBar* bar) : bar_(bar) {}

    QMenu* at(const QStringList& titles) {
        const QString key = titles.join(kMenuPathSeparator);
        const auto found = menus_.find(key);
        if (found != menus_.end()) return found->second;
        QMenu* menu = titles.size() == 1 ? bar_->addMenu(titles.front())
                                         : at(titles.mid(0, titles.size() - 1))->addMenu(titles.back());
        menus_[key] = menu;
        return menu;
    }

private:
    QMenuBar* bar_;
    std::map<QString, QMenu*> menus_;
};
}  // namespace

QMap<int, QAction*> buildMainMenu(QMenuBar* bar, const std::vector<CommandRow>& rows,
                                  const std::function<void(int id)>& dispatch) {
    QMap<int, QAction*> actions;
    MenuTree tree(bar);
    for (const CommandRow& row : rows) {
        QStringList titles = row.path.split(kMenuPathSeparator);
        const QString text = titles.takeLast();
        QMenu* menu = tree.at(titles);
        if (row.id == 0) {
            if (text == "-") {
                menu->addSeparator();
            } else {
                tree.at(titles << text);  // a submenu the window fills itself
            }
            continue;
        }
        QAction* action = menu->addAction(text);
        action->setData(row.id);
        if (!row.keys.isEmpty()) action->setShortcuts(row.keys);
        const int id = row.id;
        QObject::connect(action, &QAction::triggered, action, [dispatch, id] { dispatch(id); });
        actions.insert(id, action);
    }
    return actions;
}

QString commandName(const QString& path) {
    QStringList words;
    const QStringList titles = path.split(kMenuPathSeparator);
    for (qsizetype i = 1; i < titles.size(); ++i) {
        QString t = titles[i];
        t.remove('&');
        while (t.endsWith('.')) t.chop(1);
        t = t.trimmed();
        if (t != "V1") words.push_back(t);
    }
    return words.join(' ');
}
