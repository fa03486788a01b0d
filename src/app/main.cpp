#include "app/App.h"

int main() {
    App app;
    return app.run();
}
