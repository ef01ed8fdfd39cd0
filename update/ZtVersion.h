#ifndef ZTVERSION_H
#define ZTVERSION_H

/* ZtVersion.dll: the product version, the software update check with its
 * installer download, and the documentation download. Plain C exports;
 * every text buffer belongs to the caller. */

#ifdef __cplusplus
extern "C" {
#endif

/* Copy the full version "3.0.1000.178", the short version "3.0.178" or the
 * documentation version into buffer; a buffer smaller than the text gets
 * what fits and always its terminating zero. */
void ZtGetVersion(char* buffer, int size);
void ZtGetVersionEx(char* buffer, int size);
void ZtGetPdfVersion(char* buffer, int size);
/* The screen's horizontal resolution as a percentage of 96 dots per inch. */
int ZtGetDpi(void);
/* Open the host folder's Win11/Win11.htm or Win11/CreateLogo.htm; above 32 on success. */
int ZtOpenWin11(void);
int ZtOpenCreateLogo(void);
/* Store the check-at-every-start preference; nonzero when written. */
int ZtUpdateAuto(int on);
/* Start an update check in the background; returns the status of the last
 * completed check (2 before any): 0 not offered, 1 network error, 2 up to
 * date, 3 newer version. */
int ZtUpdateInit(int showAlways, int chinese);
/* Show the update dialog modally. */
void ZtUpdateStart(void);
/* Check, download when needed, and open the documentation file: 1 not
 * reachable, 2 local copy current, 3 download dialog shown. */
int ZtUpdatePdfInit(int showAlways, int chinese, int docKind);

#ifdef __cplusplus
}
#endif

#endif
