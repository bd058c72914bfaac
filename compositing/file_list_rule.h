#pragma once
#include <string>
#include <vector>

// The rule of the file lists of the compositing dialogs (tags, circle-mix sources) and
// of the insertion history, shared by their controls and the command line so all
// keep the same order.
//
// A path is added unless an entry already begins with it, compared without regard
// to letter case ("/a/tag.png" keeps out "/A/TAG.PNG" and "/a/tag"). The list stays
// sorted: by the paths with letters folded to lower case, ties in byte order.
// Returns the path's place in the list, or -1 when it was left out.
int addToFileList(std::vector<std::string>& list, const std::string& path);

// The place a path takes in a list sorted by the rule above.
bool fileListOrder(const std::string& a, const std::string& b);

// The comparisons under the rule: ASCII letters folded to lower case.
int compareFolded(const std::string& a, const std::string& b);
bool beginsWithFolded(const std::string& entry, const std::string& prefix);
