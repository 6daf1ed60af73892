CREATE TABLE [Engines] ([Rating] SMALLINT, [Tonnage] REAL, [EngineName] TEXT);
