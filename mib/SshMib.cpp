#include "SshMib.h"

#include "SharedOptions.h"

namespace {

const QsOption kSshManagementAdmin[] = {{1, "other"}, {2, "disabled"}, {3, "enabled"}, {}};
const QsOptionList SshManagementAdminList(kSshManagementAdmin, OVT_INT);
const QsOption kSshManagementSessionKeyRekeying[] = {
    {0, "never"}, {10, "ten-min"}, {30, "thirty-min"}, {60, "sixty-min"}, {}};
const QsOptionList SshManagementSessionKeyRekeyingList(kSshManagementSessionKeyRekeying, OVT_INT);
const QsOptionList SshAlgorithmEncryptionAlgorithm3DESAdminList(DisabledEnabledOptions, OVT_INT);
const QsOptionList SshAlgorithmEncryptionAlgorithmBlowfishAdminList(DisabledEnabledOptions, OVT_INT);
const QsOptionList SshAlgorithmEncryptionAlgorithmAES128AdminList(DisabledEnabledOptions, OVT_INT);
const QsOptionList SshAlgorithmEncryptionAlgorithmAES192AdminList(DisabledEnabledOptions, OVT_INT);
const QsOptionList SshAlgorithmEncryptionAlgorithmAES256AdminList(DisabledEnabledOptions, OVT_INT);
const QsOptionList SshAlgorithmEncryptionAlgorithmArcfourAdminList(DisabledEnabledOptions, OVT_INT);
const QsOptionList SshAlgorithmEncryptionAlgorithmCAST28AdminList(DisabledEnabledOptions, OVT_INT);
const QsOptionList SshAlgorithmEncryptionAlgorithmTwofish128AdminList(DisabledEnabledOptions, OVT_INT);
const QsOptionList SshAlgorithmEncryptionAlgorithmTwofish192AdminList(DisabledEnabledOptions, OVT_INT);
const QsOptionList SshAlgorithmEncryptionAlgorithmTwofish256AdminList(DisabledEnabledOptions, OVT_INT);
const QsOptionList SshAlgorithmDataIntegrityAlgorithmSHA1AdminList(DisabledEnabledOptions, OVT_INT);
const QsOptionList SshAlgorithmDataIntegrityAlgorithmMD5AdminList(DisabledEnabledOptions, OVT_INT);
const QsOptionList SshAlgorithmPublicKeyAlgorithmRSAAdminList(DisabledEnabledOptions, OVT_INT);
const QsOptionList SshAlgorithmPublicKeyAlgorithmDSAAdminList(DisabledEnabledOptions, OVT_INT);
const QsOptionList SshAuthMethodPasswordAdminList(DisabledEnabledOptions, OVT_INT);
const QsOptionList SshAuthMethodPublicKeyAdminList(DisabledEnabledOptions, OVT_INT);
const QsOptionList SshAuthMethodHostKeyAdminList(DisabledEnabledOptions, OVT_INT);

} // namespace

const QsSNMPVarDesc SshManagementVars[] = {
    {"1.3.6.1.4.1.58613.12.6.1.1", "Version", SYN_INTEGER, ACC_READONLY},
    {"1.3.6.1.4.1.58613.12.6.1.2", "Admin", SYN_INTEGER, ACC_READWRITE, &SshManagementAdminList},
    {"1.3.6.1.4.1.58613.12.6.1.3", "Max Authentication Fail Attempts", SYN_INTEGER, ACC_READWRITE},
    {"1.3.6.1.4.1.58613.12.6.1.4", "Session Key Rekeying", SYN_INTEGER, ACC_READWRITE,
     &SshManagementSessionKeyRekeyingList},
    {"1.3.6.1.4.1.58613.12.6.1.5", "Max Session", SYN_INTEGER, ACC_READWRITE},
    {"1.3.6.1.4.1.58613.12.6.1.6", "Connection Timeout", SYN_INTEGER, ACC_READWRITE},
    {"1.3.6.1.4.1.58613.12.6.1.7", "Listened Port", SYN_INTEGER, ACC_READONLY},
    {nullptr},
};

const QsSNMPVarDesc SshAlgorithmVars[] = {
    {"1.3.6.1.4.1.58613.12.6.3.1.1", "Encryption Algorithm 3DES Admin", SYN_INTEGER, ACC_READWRITE,
     &SshAlgorithmEncryptionAlgorithm3DESAdminList},
    {"1.3.6.1.4.1.58613.12.6.3.1.2", "Encryption Algorithm Blowfish Admin", SYN_INTEGER, ACC_READWRITE,
     &SshAlgorithmEncryptionAlgorithmBlowfishAdminList},
    {"1.3.6.1.4.1.58613.12.6.3.1.3", "Encryption Algorithm AES128 Admin", SYN_INTEGER, ACC_READWRITE,
     &SshAlgorithmEncryptionAlgorithmAES128AdminList},
    {"1.3.6.1.4.1.58613.12.6.3.1.4", "Encryption Algorithm AES192 Admin", SYN_INTEGER, ACC_READWRITE,
     &SshAlgorithmEncryptionAlgorithmAES192AdminList},
    {"1.3.6.1.4.1.58613.12.6.3.1.5", "Encryption Algorithm AES256 Admin", SYN_INTEGER, ACC_READWRITE,
     &SshAlgorithmEncryptionAlgorithmAES256AdminList},
    {"1.3.6.1.4.1.58613.12.6.3.1.6", "Encryption Algorithm Arcfour Admin", SYN_INTEGER, ACC_READWRITE,
     &SshAlgorithmEncryptionAlgorithmArcfourAdminList},
    {"1.3.6.1.4.1.58613.12.6.3.1.7", "Encryption Algorithm CAST28 Admin", SYN_INTEGER, ACC_READWRITE,
     &SshAlgorithmEncryptionAlgorithmCAST28AdminList},
    {"1.3.6.1.4.1.58613.12.6.3.1.8", "Encryption Algorithm Twofish128 Admin", SYN_INTEGER, ACC_READWRITE,
     &SshAlgorithmEncryptionAlgorithmTwofish128AdminList},
    {"1.3.6.1.4.1.58613.12.6.3.1.9", "Encryption Algorithm Twofish192 Admin", SYN_INTEGER, ACC_READWRITE,
     &SshAlgorithmEncryptionAlgorithmTwofish192AdminList},
    {"1.3.6.1.4.1.58613.12.6.3.1.10", "Encryption Algorithm Twofish256 Admin", SYN_INTEGER, ACC_READWRITE,
     &SshAlgorithmEncryptionAlgorithmTwofish256AdminList},
    {"1.3.6.1.4.1.58613.12.6.3.3.1", "Data Integrity Algorithm SHA1 Admin", SYN_INTEGER, ACC_READWRITE,
     &SshAlgorithmDataIntegrityAlgorithmSHA1AdminList},
    {"1.3.6.1.4.1.58613.12.6.3.3.2", "Data Integrity Algorithm MD5 Admin", SYN_INTEGER, ACC_READWRITE,
     &SshAlgorithmDataIntegrityAlgorithmMD5AdminList},
    {"1.3.6.1.4.1.58613.12.6.3.5.1", "Public Key Algorithm RSA Admin", SYN_INTEGER, ACC_READWRITE,
     &SshAlgorithmPublicKeyAlgorithmRSAAdminList},
    {"1.3.6.1.4.1.58613.12.6.3.5.2", "Public Key Algorithm DSA Admin", SYN_INTEGER, ACC_READWRITE,
     &SshAlgorithmPublicKeyAlgorithmDSAAdminList},
    {nullptr},
};

const QsSNMPVarDesc SshAuthMethodVars[] = {
    {"1.3.6.1.4.1.58613.12.6.3.2.1", "Password Admin", SYN_INTEGER, ACC_READWRITE,
     &SshAuthMethodPasswordAdminList},
    {"1.3.6.1.4.1.58613.12.6.3.2.2", "Public Key Admin", SYN_INTEGER, ACC_READWRITE,
     &SshAuthMethodPublicKeyAdminList},
    {"1.3.6.1.4.1.58613.12.6.3.2.3", "Host Key Admin", SYN_INTEGER, ACC_READWRITE,
     &SshAuthMethodHostKeyAdminList},
    {nullptr},
};
