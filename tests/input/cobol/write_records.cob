      * Writes binary test records and, beside them, the same values as
      * COBOL itself displays them: the fixture of the binary field
      * readings. Fields: text, COMP-3, zoned, big-endian COMP and the
      * host's COMP-5, COMP-1 and COMP-2.
       IDENTIFICATION DIVISION.
       PROGRAM-ID. WRITERECS.
       ENVIRONMENT DIVISION.
       INPUT-OUTPUT SECTION.
       FILE-CONTROL.
           SELECT REC-FILE ASSIGN TO "records.bin"
               ORGANIZATION IS SEQUENTIAL.
           SELECT EXP-FILE ASSIGN TO "expected.txt"
               ORGANIZATION IS LINE SEQUENTIAL.
       DATA DIVISION.
       FILE SECTION.
       FD REC-FILE.
       01 OUT-REC.
          05 R-NAME    PIC X(8).
          05 R-PACKED  PIC S9(7) COMP-3.
          05 R-UPACK   PIC 9(5) COMP-3.
          05 R-ZONED   PIC S9(5).
          05 R-UZONED  PIC 9(4).
          05 R-BIN2    PIC S9(4) COMP.
          05 R-BIN4    PIC S9(9) COMP.
          05 R-BIN8    PIC S9(18) COMP.
          05 R-UBIN4   PIC 9(9) COMP.
          05 R-NAT4    PIC S9(9) COMP-5.
          05 R-NAT8    PIC S9(18) COMP-5.
          05 R-FLT     COMP-1.
          05 R-DBL     COMP-2.
       FD EXP-FILE.
       01 EXP-REC      PIC X(200).
       WORKING-STORAGE SECTION.
       01 EXP-LINE.
          05 E-NAME    PIC X(8).
          05 FILLER    PIC X VALUE ";".
          05 E-PACKED  PIC -9(7).
          05 FILLER    PIC X VALUE ";".
          05 E-UPACK   PIC 9(5).
          05 FILLER    PIC X VALUE ";".
          05 E-ZONED   PIC -9(5).
          05 FILLER    PIC X VALUE ";".
          05 E-UZONED  PIC 9(4).
          05 FILLER    PIC X VALUE ";".
          05 E-BIN2    PIC -9(4).
          05 FILLER    PIC X VALUE ";".
          05 E-BIN4    PIC -9(9).
          05 FILLER    PIC X VALUE ";".
          05 E-BIN8    PIC -9(18).
          05 FILLER    PIC X VALUE ";".
          05 E-UBIN4   PIC 9(9).
          05 FILLER    PIC X VALUE ";".
          05 E-NAT4    PIC -9(9).
          05 FILLER    PIC X VALUE ";".
          05 E-NAT8    PIC -9(18).
          05 FILLER    PIC X VALUE ";".
          05 E-FLT     PIC -9(6).9(6).
          05 FILLER    PIC X VALUE ";".
          05 E-DBL     PIC -9(9).9(6).
       PROCEDURE DIVISION.
           OPEN OUTPUT REC-FILE EXP-FILE
           MOVE "ALPHA" TO R-NAME
           MOVE 1234567 TO R-PACKED
           MOVE 12345 TO R-UPACK
           MOVE -12345 TO R-ZONED
           MOVE 9999 TO R-UZONED
           MOVE -9999 TO R-BIN2
           MOVE -2 TO R-BIN4
           MOVE -123456789012345678 TO R-BIN8
           MOVE 999999999 TO R-UBIN4
           MOVE 4660 TO R-NAT4
           MOVE 123456789012345678 TO R-NAT8
           MOVE 1.5 TO R-FLT
           MOVE -2.25 TO R-DBL
           PERFORM WRITE-BOTH
           MOVE "Beta Co" TO R-NAME
           MOVE -7654321 TO R-PACKED
           MOVE 0 TO R-UPACK
           MOVE 10 TO R-ZONED
           MOVE 1 TO R-UZONED
           MOVE 1 TO R-BIN2
           MOVE 999999999 TO R-BIN4
           MOVE 999999999999999999 TO R-BIN8
           MOVE 0 TO R-UBIN4
           MOVE -999999999 TO R-NAT4
           MOVE -1 TO R-NAT8
           MOVE -1024.125 TO R-FLT
           MOVE 123456789.5 TO R-DBL
           PERFORM WRITE-BOTH
           MOVE "zero" TO R-NAME
           MOVE 0 TO R-PACKED R-UPACK R-ZONED R-UZONED R-BIN2 R-BIN4
                     R-BIN8 R-UBIN4 R-NAT4 R-NAT8 R-FLT R-DBL
           PERFORM WRITE-BOTH
           MOVE "minus 1" TO R-NAME
           MOVE -1 TO R-PACKED R-ZONED R-BIN2 R-BIN4 R-BIN8 R-NAT4
                      R-NAT8 R-FLT R-DBL
           MOVE 1 TO R-UPACK R-UZONED R-UBIN4
           PERFORM WRITE-BOTH
           CLOSE REC-FILE EXP-FILE
           STOP RUN.
       WRITE-BOTH.
           WRITE OUT-REC
           MOVE R-NAME TO E-NAME
           MOVE R-PACKED TO E-PACKED
           MOVE R-UPACK TO E-UPACK
           MOVE R-ZONED TO E-ZONED
           MOVE R-UZONED TO E-UZONED
           MOVE R-BIN2 TO E-BIN2
           MOVE R-BIN4 TO E-BIN4
           MOVE R-BIN8 TO E-BIN8
           MOVE R-UBIN4 TO E-UBIN4
           MOVE R-NAT4 TO E-NAT4
           MOVE R-NAT8 TO E-NAT8
           MOVE R-FLT TO E-FLT
           MOVE R-DBL TO E-DBL
           WRITE EXP-REC FROM EXP-LINE.
