#pragma once
#include <functional>

class QDialog;
class QWidget;

// Shows "Information !" before a random generator starts, unless the user switched
// it off ("dontshowinformation1" = 1). `exec` runs the dialog modally and returns
// its result; tests answer it without a real modal loop.
void showEscapeInformation(QWidget* parent, const std::function<int(QDialog&)>& exec);
