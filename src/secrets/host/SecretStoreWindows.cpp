// The keychain on Windows: generic credentials of the Credential Manager, one per key, named
// "Tov Brenn Setup/KEY" and kept for this user on this machine.

#include "secrets/host/SecretStore.h"

#include <windows.h>
// After windows.h, which it needs.
#include <wincred.h>

#include <string>

namespace tov::secrets {
namespace {

std::wstring TargetName(std::string_view key) {
    const std::string name = std::string(kService) + "/" + std::string(key);
    const int size = static_cast<int>(name.size());
    const int wide = MultiByteToWideChar(CP_UTF8, 0, name.data(), size, nullptr, 0);
    std::wstring target(static_cast<std::size_t>(wide > 0 ? wide : 0), L'\0');
    if (wide > 0) {
        MultiByteToWideChar(CP_UTF8, 0, name.data(), size, target.data(), wide);
    }
    return target;
}

}  // namespace

bool Available() {
    // The Credential Manager belongs to every Windows session.
    return true;
}

bool Store(std::string_view key, std::string_view value) {
    if (value.size() > CRED_MAX_CREDENTIAL_BLOB_SIZE) {
        return false;
    }
    std::wstring target = TargetName(key);
    std::wstring user = L"Tov Brenn Setup";
    CREDENTIALW credential{};
    credential.Type = CRED_TYPE_GENERIC;
    credential.TargetName = target.data();
    credential.UserName = user.data();
    credential.CredentialBlobSize = static_cast<DWORD>(value.size());
    credential.CredentialBlob =
        reinterpret_cast<LPBYTE>(const_cast<char*>(value.empty() ? "" : value.data()));
    credential.Persist = CRED_PERSIST_LOCAL_MACHINE;
    return CredWriteW(&credential, 0) != FALSE;
}

std::optional<std::string> Read(std::string_view key) {
    const std::wstring target = TargetName(key);
    PCREDENTIALW credential = nullptr;
    if (CredReadW(target.c_str(), CRED_TYPE_GENERIC, 0, &credential) == FALSE) {
        return std::nullopt;
    }
    std::string value(reinterpret_cast<const char*>(credential->CredentialBlob),
                      credential->CredentialBlobSize);
    SecureZeroMemory(credential->CredentialBlob, credential->CredentialBlobSize);
    CredFree(credential);
    return value;
}

bool Forget(std::string_view key) {
    const std::wstring target = TargetName(key);
    return CredDeleteW(target.c_str(), CRED_TYPE_GENERIC, 0) != FALSE ||
           GetLastError() == ERROR_NOT_FOUND;
}

}  // namespace tov::secrets
