#include "Program.h"

#include "Main.h"
#include "TApplication.h"

#include <memory>

int RunProgram() {
    std::unique_ptr<TForm1> form;
    try {
        form = std::make_unique<TForm1>();
    } catch (const std::exception& error) {
        TApplication::ShowException(error);
        return 1;
    }
    form->show();
    return QApplication::exec();
}
