// A shared object that is not a language module: it lacks the table function.
extern "C" __attribute__((visibility("default"))) int voltaro_something_else() {
    return 1;
}
