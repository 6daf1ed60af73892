-- The engine of a new design only: rating 10, which owes ten heat sinks.
CREATE TABLE [Engines] ([Rating] SMALLINT, [Tonnage] REAL, [EngineName] TEXT);
INSERT INTO [Engines] VALUES (10, 0.5, 'Fusion 10');
