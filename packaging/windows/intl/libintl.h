/* The message-catalogue calls the Windows libraries make, answered with the untranslated
   message: Kestrova shows no library messages, so no catalogues are shipped. */
#ifndef KESTROVA_LIBINTL_H
#define KESTROVA_LIBINTL_H
#include <locale.h>
#ifndef LC_MESSAGES
#define LC_MESSAGES 1729 /* the Windows runtime has no such category; the number other libraries use */
#endif
#ifdef __cplusplus
extern "C" {
#endif
char* gettext(const char* msgid);
char* dgettext(const char* domain, const char* msgid);
char* dcgettext(const char* domain, const char* msgid, int category);
char* ngettext(const char* msgid, const char* plural, unsigned long n);
char* dngettext(const char* domain, const char* msgid, const char* plural, unsigned long n);
char* dcngettext(const char* domain, const char* msgid, const char* plural, unsigned long n, int category);
char* textdomain(const char* domain);
char* bindtextdomain(const char* domain, const char* dirname);
char* bind_textdomain_codeset(const char* domain, const char* codeset);
#ifdef __cplusplus
}
#endif
#endif
