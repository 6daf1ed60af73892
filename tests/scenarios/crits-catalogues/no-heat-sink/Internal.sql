-- The structure of a 10 t mech only.
CREATE TABLE [Internal] ([Tonnage] REAL, [CT] SMALLINT, [LRT] SMALLINT, [LRA] SMALLINT, [LRL] SMALLINT);
INSERT INTO [Internal] VALUES (1.0, 4, 3, 1, 2);
