#include "app/appmain.h"

int main(int argc, char** argv) {
    return Ko::appMain(argc, argv);
}
