#pragma once
// A serial line's settings as every system's serial device takes them: the
// speed, the queues, the read and write time-outs and the modem lines.

struct PortSettings {
  int baudRate = 9600;  // 8 data bits, no parity, 1 stop bit, raw
  // Kept for completeness: Linux offers no call to size a tty's queues, the
  // driver's own buffers are larger than these anyway.
  int receiveQueue = 1024;
  int transmitQueue = 512;
  int readIntervalMs = 100;       // longest gap between two bytes, once one arrived
  int readTotalPerByteMs = 300;   // whole read: per byte requested...
  int readTotalConstantMs = 100;  // ...plus this
  int writeTotalPerByteMs = 50;
  int writeTotalConstantMs = 50;
  bool raiseModemLines = true;  // DTR, then RTS, after configuring
};
