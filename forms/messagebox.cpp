#include "messagebox.h"

#include <QMessageBox>

#ifdef Q_OS_WASM
#include "page.h"
#endif

void openBox(QMessageBox &box, const std::function<void(int button)> &closed)
{
    const auto done = [closed](int button) {
        if (closed)
            closed(button);
    };
#ifdef Q_OS_WASM
    web::openInPage(box, done);
#else
    box.exec();
    done(box.standardButton(box.clickedButton()));
#endif
}
