#include "gui/app/startup.h"

int main(int argc, char** argv) {
    return quillara::gui::RunQuillara(argc, argv);
}
