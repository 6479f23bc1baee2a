// bazi-seek-gui: the desktop application (ui/application.h says what it takes
// and answers).
#include "ui/application.h"

int main(int argc, char** argv) {
    return bazi::ui::runApplication(argc, argv);
}
