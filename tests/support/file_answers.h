#pragma once
#include <QStringList>

#include <functional>
#include <optional>
#include <string>

#include "ui/file_chooser.h"

// A test's answers to the program's file requests, from the request's kind and
// filter: the names chosen, or one path (none: Cancel).
inline FileChooser answerFiles(std::function<QStringList(QWidget*, FileDialogKind, const QString&)> answer) {
    return [answer](QWidget* parent, const FileRequest& r) { return answer(parent, r.kind, r.filter); };
}

inline FileChooser answerName(
    std::function<std::optional<std::string>(QWidget*, FileDialogKind, const QString&)> answer) {
    return [answer](QWidget* parent, const FileRequest& r) {
        const std::optional<std::string> name = answer(parent, r.kind, r.filter);
        return name ? QStringList{pathToQt(*name)} : QStringList();
    };
}
