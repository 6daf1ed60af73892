-- The equipment catalogue: weapons and equipment of the standard technology.
-- Columns: name, tons, critical slots, damage, heat, then the ranges in the
-- table's column order: long, medium, minimum, short.
CREATE TABLE [Equipment] ([Item] TEXT, [Tonnage] REAL, [Criticals] REAL, [Damage] SMALLINT, [Heat] SMALLINT, [Long] SMALLINT, [Medium] SMALLINT, [Minimum] SMALLINT, [Short] SMALLINT);
