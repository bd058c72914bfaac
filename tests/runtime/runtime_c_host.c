/* A host written in plain C against the public header only. It loads the
 * library named by RUNTIME_LIBRARY, parses its own command line through the
 * CommandLineTable and prints, for every name in RUNTIME_QUERIES (separated by
 * ','), one line: name|hasOption|isOptionTrue|getOption result|value */
#include <dlfcn.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include "tolvanea/runtime.h"

int main(void) {
    const char* path = getenv("RUNTIME_LIBRARY");
    const char* queries = getenv("RUNTIME_QUERIES");
    if (path == NULL || queries == NULL) return 2;
    void* library = dlopen(path, RTLD_NOW);
    if (library == NULL) {
        fprintf(stderr, "%s\n", dlerror());
        return 3;
    }
    HHFn hh;
    *(void**)&hh = dlsym(library, "HH");
    if (hh == NULL) return 4;
    RuntimeRoot root;
    memset(&root, 0, sizeof root);
    root.size = sizeof root;
    if (!hh(&root)) return 5;

    const CommandLineTable* options = root.commandLineTable;
    options->parseCommandLine();

    char names[1024];
    strncpy(names, queries, sizeof names - 1);
    names[sizeof names - 1] = '\0';
    for (char* name = strtok(names, ","); name != NULL; name = strtok(NULL, ",")) {
        char value[256];
        memset(value, '#', sizeof value);
        value[255] = '\0';
        RtBool found = options->getOption(name, value);
        printf("%s|%d|%d|%d|%s\n", name, options->hasOption(name), options->isOptionTrue(name), found,
               found ? value : "");
    }
    options->clearOptions();
    return 0;
}
