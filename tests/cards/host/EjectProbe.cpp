// Ejects a card described on the command line through the real eject code, for the UDisks2
// test: tov-eject-probe MOUNT_POINT DEVICE LABEL. Prints the message; exit 0 when the card
// may be removed, 1 when not.
#include "cards/host/CardEject.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s MOUNT_POINT DEVICE LABEL\n", argv[0]);
        return 2;
    }
    tov::cards::Card card;
    card.mountPoint = argv[1];
    card.device = argv[2];
    card.label = argv[3];
    const tov::EjectResult result = tov::EjectCard(card);
    std::printf("%s\n", result.message.c_str());
    return result.ok ? 0 : 1;
}
