#include "app/App.h"
#include "base/ProcessSetup.h"

int main() {
    prepareProcess();
    App app;
    return app.run();
}
