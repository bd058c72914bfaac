#pragma once

// One QApplication for the whole test program, made on first use. Programs with
// a main of their own that makes one are left with theirs.
void ensureApplication();
