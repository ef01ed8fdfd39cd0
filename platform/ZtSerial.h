#ifndef ZTSERIAL_H
#define ZTSERIAL_H

/* The serial transport library ZtSerial.dll: one serial port to the panel.
 * Port n is "COM<n>" by the rule of platform/ComPortNames.h. The panel link
 * runs at 115200 baud (ZTSERIAL_BAUD overrides it), 8 data bits, no parity,
 * 1 stop bit, no flow control, raw. */

#ifdef __cplusplus
extern "C" {
#endif

/* Opens COM<port>, closing any port that is open; nonzero when opened. */
int mOpenPort(int port);
/* Nonzero while a port is open. */
int mCheckPort(void);
/* Makes a blocked read or write return at once; every read and write returns
 * at once until the port is closed. Safe from any thread. */
void mCancelIo(void);
/* Closes the port; a read or write blocked in another thread returns first. */
void mClosePort(void);
/* Writes count bytes; returns the number written (less on time-out or error). */
int mWriteData(const unsigned char* data, int count);
/* Reads up to count bytes (at most 1024) into buffer; returns the number read,
 * 0 when nothing came within the read time-out. */
int mReadData(unsigned char* buffer, int count);
/* Time-outs in milliseconds, with the meaning of Windows' serial time-outs:
 * a read ends when count bytes are there, when the gap after a received byte
 * exceeds readInterval, or after readMultiplier * count + readConstant; a
 * write gives up after writeMultiplier * count + writeConstant. 0 turns a
 * limit off. */
void mSetTimeout(int readInterval, int readMultiplier, int readConstant, int writeMultiplier,
                 int writeConstant);
/* Restores the time-outs that a newly opened port has (500 ms each). */
void mSetDefaultTimeout(void);
/* Discards pending input and output. */
void mClearAllBuffer(void);
void mClearReadBuffer(void);
void mClearWriteBuffer(void);
/* The COM number of the tty of the USB device vid:pid, or -1. */
int mGetUsbPort(int vid, int pid);
/* Nonzero on Windows XP: always 0 here. */
int mCheckWinXP(void);

#ifdef __cplusplus
}
#endif

#endif
