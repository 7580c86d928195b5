// Program entry.

#include "app/geom_app.h"

int main(int argc, char** argv) { return app::OwlMain(argc, argv); }
