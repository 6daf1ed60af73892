-- An equipment catalogue that has no record named "Heat Sink".
CREATE TABLE [Equipment] ([Item] TEXT, [Tonnage] REAL, [Criticals] REAL, [Damage] SMALLINT, [Heat] SMALLINT, [Long] SMALLINT, [Medium] SMALLINT, [Minimum] SMALLINT, [Short] SMALLINT);
INSERT INTO [Equipment] VALUES ('Small Laser', 0.5, 1.0, 3, 1, 3, 2, 0, 1);
INSERT INTO [Equipment] VALUES ('Double Sink', 1.0, 3.0, 0, 0, 0, 0, 0, 0);
INSERT INTO [Equipment] VALUES ('Hand Actuator', 0.0, 1.0, 0, 0, 0, 0, 0, 0);
