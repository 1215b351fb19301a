#include "host/automation/host_publication.h"

// {286166DE-4B0C-4617-BE6D-D3FE692AE83E}
const CLSID CLSID_VexoApplication = {
    0x286166de, 0x4b0c, 0x4617, {0xbe, 0x6d, 0xd3, 0xfe, 0x69, 0x2a, 0xe8, 0x3e}};

namespace {

constexpr char kProgIdClassKey[] = "Vexo2.Application\\CLSID";
constexpr char kClassIdText[] = "{286166DE-4B0C-4617-BE6D-D3FE692AE83E}";

}  // namespace

bool RegisterHostProgId() {
    HKEY key = nullptr;
    if (RegCreateKeyExA(HKEY_CLASSES_ROOT, kProgIdClassKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                        &key, nullptr) != ERROR_SUCCESS) {
        return false;
    }
    const LONG written = RegSetValueExA(
        key, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(kClassIdText), sizeof kClassIdText);
    RegCloseKey(key);
    return written == ERROR_SUCCESS;
}

HostPublication::HostPublication(IUnknown* object) : m_Object(object) {
    if (!RegisterHostProgId() || FAILED(RegisterActiveObject(object, CLSID_VexoApplication,
                                                             ACTIVEOBJECT_STRONG, &m_Cookie))) {
        m_Cookie = 0;
    }
}

HostPublication::~HostPublication() {
    Withdraw();
}

void HostPublication::Withdraw() {
    if (m_Cookie == 0) {
        return;
    }
    RevokeActiveObject(m_Cookie, nullptr);
    m_Cookie = 0;
    CoDisconnectObject(m_Object, 0);
}
