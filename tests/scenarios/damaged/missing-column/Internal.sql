-- The internal-structure catalogue: one row per mech tonnage, 10 to 100 in steps of 5.
-- Tonnage is the structure's weight, a tenth of the mech tonnage the row is for.
CREATE TABLE [Internal] ([Tonnage] REAL, [CT] SMALLINT, [LRT] SMALLINT, [LRA] SMALLINT, [LRL] SMALLINT);
INSERT INTO [Internal] VALUES (1.0, 4, 3, 1, 2);
INSERT INTO [Internal] VALUES (1.5, 5, 4, 2, 3);
INSERT INTO [Internal] VALUES (2.0, 6, 5, 3, 4);
INSERT INTO [Internal] VALUES (2.5, 8, 6, 4, 6);
INSERT INTO [Internal] VALUES (3.0, 10, 7, 5, 7);
INSERT INTO [Internal] VALUES (3.5, 11, 8, 6, 8);
INSERT INTO [Internal] VALUES (4.0, 12, 10, 6, 10);
INSERT INTO [Internal] VALUES (4.5, 14, 11, 7, 11);
INSERT INTO [Internal] VALUES (5.0, 16, 12, 8, 12);
INSERT INTO [Internal] VALUES (5.5, 18, 13, 9, 13);
INSERT INTO [Internal] VALUES (6.0, 20, 14, 10, 14);
INSERT INTO [Internal] VALUES (6.5, 21, 15, 10, 15);
INSERT INTO [Internal] VALUES (7.0, 22, 15, 11, 15);
INSERT INTO [Internal] VALUES (7.5, 23, 16, 12, 16);
INSERT INTO [Internal] VALUES (8.0, 25, 17, 13, 17);
INSERT INTO [Internal] VALUES (8.5, 27, 18, 14, 18);
INSERT INTO [Internal] VALUES (9.0, 29, 19, 15, 19);
INSERT INTO [Internal] VALUES (9.5, 30, 20, 16, 20);
INSERT INTO [Internal] VALUES (10.0, 31, 21, 17, 21);
