// Stores a password in the keychain through the host part, reads it back and forgets it.
// "present": a keychain answers (the script started one): every step must work.
// "absent": no keychain can be reached: every call must say so, and soon.
// Prints what failed (never the password) and exits 1; 0 when all held.

#include "secrets/host/SecretStore.h"

#include <QCoreApplication>
#include <QTimer>

#include <chrono>
#include <cstdio>
#include <string>

namespace {

int failures = 0;

void Expect(bool held, const char* what) {
    std::printf("%s: %s\n", held ? "ok" : "FAILED", what);
    failures += held ? 0 : 1;
}

void Present() {
    using namespace tov::secrets;
    const std::string key = "4/smtp/senderPassword";
    // UTF-8 beyond ASCII and a quote: the value must come back byte for byte.
    const std::string password = "pw-123 \xc3\xa4\xe5\xaf\x86\"'";
    Expect(Available(), "the keychain answers");
    Expect(Store(key, password), "the password is stored");
    Expect(Read(key) == password, "the same password is read back");
    Expect(Store(key, "second"), "a second store replaces it");
    Expect(Read(key) == std::string("second"), "the replacement is read back");
    Expect(!Read("5/smtp/senderPassword"), "another key holds nothing");
    Expect(Forget(key), "the password is forgotten");
    Expect(!Read(key), "nothing is read after forgetting");
    Expect(Forget(key), "forgetting again is no failure");
}

void Absent() {
    using namespace tov::secrets;
    const auto start = std::chrono::steady_clock::now();
    Expect(!Available(), "no keychain answers");
    Expect(!Store("4/smtp/senderPassword", "pw-123"), "storing fails");
    Expect(!Read("4/smtp/senderPassword"), "reading gives nothing");
    const auto took = std::chrono::steady_clock::now() - start;
    Expect(took < std::chrono::seconds(15), "the calls give up within their timeouts");
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const std::string mode = argc > 1 ? argv[1] : "";
    if (mode != "present" && mode != "absent") {
        std::fprintf(stderr, "usage: %s present|absent\n", argv[0]);
        return 2;
    }
    QTimer::singleShot(0, &app, [&] {
        mode == "present" ? Present() : Absent();
        app.exit(failures == 0 ? 0 : 1);
    });
    return app.exec();
}
