-- based on the project's catalogue
ALTER TABLE [Engines] RENAME COLUMN [EngineName] TO [Name];
